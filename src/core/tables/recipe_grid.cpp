#include "core/tables/recipe_grid.h"

#include "core/text/strings.h"

#include <algorithm>

namespace velmora::tables {

void RecipeGrid::setColumns(int count) {
    columns = std::max(1, count);
    for (auto& row : rows) {
        row.resize(static_cast<std::size_t>(columns));
    }
}

void LimpaReceitas(RecipeGrid& grid) {
    grid.columns = 1;
    grid.rows.assign(2, std::vector<std::string>(1));
}

int QuantidadeReceitas(const RecipeGrid& grid) {
    int count = grid.rowCount() - 1;
    if (!grid.rows.empty()) {
        const auto& last = grid.rows.back();
        if (std::all_of(last.begin(), last.end(), [](const std::string& c) { return c.empty(); })) {
            --count;
        }
    }
    return std::max(0, count);
}

int receitasQueCabem(const RecipeGrid& grid) {
    return 4095 / (2 * std::max(1, grid.columns));
}

std::vector<std::string> writeRecipeSection(const RecipeGrid& grid) {
    std::vector<std::string> lines;
    if (grid.rows.empty() || grid.rows[0].empty() || grid.rows[0][0].empty()) {
        return lines;
    }
    for (const auto& row : grid.rows) {
        lines.push_back(text::joinFields(row));
    }
    return lines;
}

void readRecipeSection(RecipeGrid& grid, const std::vector<std::string>& lines) {
    LimpaReceitas(grid);
    if (lines.empty()) {
        return;
    }
    grid.rows.clear();
    for (const auto& line : lines) {
        auto fields = text::splitFields(line);
        grid.setColumns(static_cast<int>(fields.size()));
        fields.resize(static_cast<std::size_t>(grid.columns));
        grid.rows.push_back(std::move(fields));
    }
}

} // namespace velmora::tables
