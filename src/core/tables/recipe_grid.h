#pragma once

#include <string>
#include <vector>

namespace velmora::tables {

// The recipe grid: row 0 holds one word operand per column (an empty top-left cell means no
// operand yet), rows 1 ... one recipe each, every cell a value 0 ... 65535 as text.
// The grid is rectangular: every row holds `columns` cells.
struct RecipeGrid {
    int columns = 1;
    std::vector<std::vector<std::string>> rows{2, std::vector<std::string>(1)};

    const std::string& cell(int column, int row) const {
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    std::string& cell(int column, int row) {
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    int rowCount() const { return static_cast<int>(rows.size()); }
    // Sets the column count (at least 1); cells beyond it are dropped, new ones empty.
    void setColumns(int count);
    bool operator==(const RecipeGrid&) const = default;
};

// Empties every cell and leaves 2 rows and 1 column.
void LimpaReceitas(RecipeGrid& grid);

// Rows - 1, less one more when every cell of the last row is empty.
int QuantidadeReceitas(const RecipeGrid& grid);

// How many recipes fit the controller's recipe area: 4095 div (2 x columns).
int receitasQueCabem(const RecipeGrid& grid);

// The #TABREC lines: nothing when the top-left cell is empty, else one line per row (header
// included), every cell followed by ";".
std::vector<std::string> writeRecipeSection(const RecipeGrid& grid);
// Clears the grid; each line becomes the next row and sets the column count to its field
// count. The grid ends with exactly one row per line (an empty list leaves the cleared grid).
void readRecipeSection(RecipeGrid& grid, const std::vector<std::string>& lines);

} // namespace velmora::tables
