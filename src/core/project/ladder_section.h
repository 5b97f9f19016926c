#pragma once

// The line form of a ladder program, shared by the #LADDER section and the .vlm program file:
// cell lines "qqqrrss" + text, a title line "qqq99" + title, comment lines "qqq97" + line, and
// the program name twice as "00198" + name.

#include "core/ladder/program.h"
#include "core/text/atomic_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::project {

// A cell that could not be written because its text holds a byte outside 32 ... 126.
struct DroppedCell {
    int logic = 0;
    int row = 0;
    int column = 0; // storage column
    bool operator==(const DroppedCell&) const = default;
};

struct LadderLines {
    std::vector<std::string> lines;
    std::vector<DroppedCell> dropped;
};

// Whether a cell text can be written to the files (every byte 32 ... 126): what the editors
// check before they accept a cell text.
bool storableCellText(std::string_view text);

// The lines of `program`. Cells with a byte outside 32 ... 126 are left out and listed.
LadderLines writeLadderSection(const ladder::TPrograma& program);

// Empties the listed cells, as the save does once the file holds the program without them.
void removeDroppedCells(ladder::TPrograma& program, const std::vector<DroppedCell>& dropped);

struct LadderReadOptions {
    // The #LADDER section ignores its last line (the doubled name line makes up for it);
    // the program file reads every line.
    bool skipLastLine = true;
    // The name the program gets after the reset, before the lines are read.
    std::string initialName;
};

struct LadderReadResult {
    int skippedLines = 0;
    // Cell texts of timers (TON, TOF, TPP) and counters (CUP, CDO, CUD) met while reading, in
    // file order, for the timers and counters configuration to register.
    std::vector<std::string> timerCells;
    std::vector<std::string> counterCells;
};

// Resets `program` to one empty logic (its slot is kept) and reads the lines into it. Lines
// that do not parse, or that name a logic 0, a row above 10 or a storage column above 19, are
// skipped one by one.
LadderReadResult readLadderSection(ladder::TPrograma& program,
                                   const std::vector<std::string>& lines,
                                   const LadderReadOptions& options = {});

// ".vlm", compared without regard to case.
bool isProgramFileName(const std::filesystem::path& path);

// Writes `program` as a plain .vlm file (replaced atomically). Cells that cannot be written
// are listed in `dropped` when given; the program itself is not changed.
text::WriteResult GravaArquivoPrograma(const std::filesystem::path& path,
                                       const ladder::TPrograma& program,
                                       std::vector<DroppedCell>* dropped = nullptr);

// Reads a .vlm file into `program`: reset, named after the file (without ".vlm"), then every
// line read. False, and `program` unchanged, when the file does not exist or cannot be read.
bool LeArquivoPrograma(const std::filesystem::path& path, ladder::TPrograma& program);

} // namespace velmora::project
