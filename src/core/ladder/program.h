#pragma once

// The ladder program records.
//
//   TCelula   one cell of a logic: a text of at most 200 bytes (empty = empty cell).
//   TLogica   one logic (rung): a grid of 21 storage columns x 11 rows of cells, stored
//             column-major (cells[s][r]); element column c is storage column 2c + 1, the even
//             storage columns hold vertical links; the editor uses 10 element columns and rows
//             0 ... 7. Also its title, comment, number and drawing/compile bookkeeping.
//   TPrograma one ladder program: logics 1 ... count (entry 0 exists and is never used), a
//             name and the project slot it belongs to.
//
// Texts are Windows-1252 bytes held in ordinary strings (a 999-logic program stays small);
// capacities are applied by the setters below and by every operation that stores text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ladder {

inline constexpr int kStorageColumns = 21;
inline constexpr int kStorageRows = 11;
inline constexpr int kElementColumns = 10;
inline constexpr int kEditedRows = 8;
inline constexpr int kLastElementColumn = kElementColumns - 1; // the coil column
inline constexpr int kRightRailColumn = kStorageColumns - 1;   // link column right of column 9

inline constexpr std::size_t kCellCapacity = 200;
inline constexpr std::size_t kTitleCapacity = 50;
inline constexpr std::size_t kCommentCapacity = 255;
inline constexpr std::size_t kProgramNameCapacity = 50;

// The files write a logic's number in three digits, so no program may grow beyond this.
inline constexpr int kMaxLogics = 999;

// Storage column of element column c (0 ... 9).
constexpr int storageColumn(int elementColumn) {
    return 2 * elementColumn + 1;
}
// Element column of an odd storage column.
constexpr int elementColumn(int storageCol) {
    return (storageCol - 1) / 2;
}
constexpr bool isElementColumn(int storageCol) {
    return storageCol % 2 == 1;
}

// The two reserved words a cell once carried are never stored in files nor read by anything,
// so they are not kept: a cell is its text alone.
struct TCelula {
    std::string text;

    bool empty() const { return text.empty(); }
    void set(std::string_view value) { text.assign(value.substr(0, kCellCapacity)); }
    void clear() { text.clear(); }
    bool operator==(const TCelula&) const = default;
};

struct TLogica {
    // A user-provided constructor: value-initialising the aggregate (TLogica{}) crashes
    // clang 14, which builds the fuzz targets.
    TLogica() {}
    std::array<std::array<TCelula, kStorageRows>, kStorageColumns> cells{};
    std::string title;   // at most kTitleCapacity
    std::string comment; // at most kCommentCapacity, lines separated by CR LF
    std::int32_t number = 0;
    std::int32_t topY = 0;
    std::int32_t bottomY = 0;
    std::int32_t reserved = 0;
    std::int32_t lastElementColumn = -1; // computed by the upload reconstruction only
    std::int32_t lastRow = -1;           // likewise
    std::int32_t codePosition = 0;

    // Cell at storage column s, row r (both in range; callers check with inGrid()).
    TCelula& cell(int s, int r) {
        return cells[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
    }
    const TCelula& cell(int s, int r) const {
        return cells[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
    }
    // Cell of element column c, row r.
    TCelula& element(int c, int r) { return cell(storageColumn(c), r); }
    const TCelula& element(int c, int r) const { return cell(storageColumn(c), r); }

    void setTitle(std::string_view value) { title.assign(value.substr(0, kTitleCapacity)); }
    void setComment(std::string_view value) { comment.assign(value.substr(0, kCommentCapacity)); }
};

constexpr bool inGrid(int s, int r) {
    return s >= 0 && s < kStorageColumns && r >= 0 && r < kStorageRows;
}

struct TPrograma {
    // logics[0] is unused; logics[1 ... count()] are the logics, logics[i].number == i.
    std::vector<TLogica> logics;
    std::string name; // at most kProgramNameCapacity
    std::int32_t slot = 1;
    std::array<std::int32_t, 2> reserved{};

    // One empty logic numbered 1, as LimpaPrograma leaves it. Inline, so that holders of a
    // program (the Workspace) need no library to be built.
    TPrograma() : logics(2) { logics[1].number = 1; }

    int count() const { return static_cast<int>(logics.size()) - 1; }
    TLogica& logic(int i) { return logics[static_cast<std::size_t>(i)]; }
    const TLogica& logic(int i) const { return logics[static_cast<std::size_t>(i)]; }
    void setName(std::string_view value) { name.assign(value.substr(0, kProgramNameCapacity)); }
};

// An empty logic: every cell empty, texts empty, number 0, last column and last row -1.
TLogica NovaLogica();

// One empty logic numbered 1, empty name; the slot is kept.
void LimpaPrograma(TPrograma& program);

// Grows or shrinks the program to `count` logics (1 ... kMaxLogics; clamped into that range),
// new logics empty and every logic numbered by its position. For readers that learn the count
// from the data. Returns the count set.
int setLogicCount(TPrograma& program, int count);

// 1 + the highest row 0 ... 7 with a non-empty cell in storage columns 0 ... 19; 0 when none.
std::int32_t LinhasUsadas(const TLogica& logic);

// Inserts `logic` at `position` (above count + 1 means count + 1; below 1 means 1) and renumbers
// jump targets. Refused (false, nothing changed) when the program already holds kMaxLogics.
bool InsereLogica(TPrograma& program, const TLogica& logic, int position);

// Removes logic `position` (1 ... count); later logics move down and are renumbered. A position
// out of range, or the only logic, removes nothing (false). Jump targets are not touched.
bool RemoveLogica(TPrograma& program, int position);

// Keeps jump targets consistent after inserting (delta +1) or removing (delta -1) the logic at
// `position`. Only first cells of JMP elements are visited; targets that are not numbers, and
// the blank placeholder, are left alone; a jump whose target was removed gets the placeholder.
void RenumeraSaltos(TPrograma& program, int position, int delta);

// True when all 21 x 11 cell texts are equal (title, comment and numbers are not compared).
bool LogicasIguais(const TLogica& a, const TLogica& b);

// Removes empty rows (all 21 storage columns empty) from rows 0 ... 8, packing content upwards.
void CompactaLinhas(TLogica& logic);

} // namespace velmora::ladder
