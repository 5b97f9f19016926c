#include "core/project/ladder_section.h"

#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <cstdio>
#include <optional>
#include <string_view>

namespace velmora::project {

namespace {

using ladder::TLogica;
using ladder::TPrograma;

std::string digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

bool printable(std::string_view line) {
    for (const char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b > 126) {
            return false;
        }
    }
    return true;
}

// The comment's lines, split at CR LF.
std::vector<std::string> commentLines(std::string_view comment) {
    std::vector<std::string> lines;
    if (comment.empty()) {
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = comment.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(comment.substr(start));
            break;
        }
        lines.emplace_back(comment.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::optional<int> number(std::string_view field) {
    if (!text::isDigits(field)) {
        return std::nullopt;
    }
    const auto value = text::parseInteger(field);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

bool startsWithAny(std::string_view text, std::initializer_list<std::string_view> codes) {
    for (const auto code : codes) {
        if (text.substr(0, code.size()) == code) {
            return true;
        }
    }
    return false;
}

// Applies one line; false when it is skipped.
// `commented[q]` tells whether logic q has had a comment line, so that a comment whose first
// lines are empty keeps them.
bool readLine(TPrograma& program, std::string_view line, LadderReadResult& result,
              std::vector<bool>& commented) {
    if (line.size() < 5) {
        return false;
    }
    const auto q = number(line.substr(0, 3));
    const auto k = number(line.substr(3, 2));
    if (!q || !k || *q < 1 || *q > ladder::kMaxLogics) {
        return false;
    }
    const std::string_view rest = line.substr(5);
    std::optional<int> column;
    if (*k <= 96) {
        // A cell line: the row must be in the grid and the column one that the files carry.
        if (*k >= ladder::kStorageRows || line.size() < 7) {
            return false;
        }
        column = number(line.substr(5, 2));
        if (!column || *column >= ladder::kStorageColumns - 1) {
            return false;
        }
    } else if (*k != 97 && *k != 98 && *k != 99) {
        return false;
    }
    if (*q > program.count()) {
        ladder::setLogicCount(program, *q);
    }
    TLogica& logic = program.logic(*q);
    switch (*k) {
    case 99:
        logic.setTitle(rest);
        break;
    case 98:
        program.setName(rest);
        break;
    case 97:
        if (commented.size() <= static_cast<std::size_t>(*q)) {
            commented.resize(static_cast<std::size_t>(*q) + 1, false);
        }
        if (!commented[static_cast<std::size_t>(*q)]) {
            commented[static_cast<std::size_t>(*q)] = true;
            logic.setComment(rest);
        } else {
            logic.setComment(logic.comment + "\r\n" + std::string(rest));
        }
        break;
    default: {
        const std::string_view cellText = line.substr(7);
        logic.cell(*column, *k).set(cellText);
        const std::string& stored = logic.cell(*column, *k).text;
        if (startsWithAny(stored, {"TON", "TOF", "TPP"})) {
            result.timerCells.push_back(stored);
        } else if (startsWithAny(stored, {"CUP", "CDO", "CUD"})) {
            result.counterCells.push_back(stored);
        }
        break;
    }
    }
    return true;
}

} // namespace

bool storableCellText(std::string_view text) {
    return printable(text);
}

LadderLines writeLadderSection(const TPrograma& program) {
    LadderLines out;
    for (int q = 1; q <= program.count() && q <= ladder::kMaxLogics; ++q) {
        const TLogica& logic = program.logic(q);
        const std::string qqq = digits(q, 3);
        for (int r = 0; r < ladder::kStorageRows; ++r) {
            for (int s = 0; s < ladder::kStorageColumns - 1; ++s) {
                const auto& cell = logic.cell(s, r);
                if (cell.empty()) {
                    continue;
                }
                std::string line = qqq + digits(r, 2) + digits(s, 2) + cell.text;
                if (printable(line)) {
                    out.lines.push_back(std::move(line));
                } else {
                    out.dropped.push_back(DroppedCell{q, r, s});
                }
            }
        }
        out.lines.push_back(qqq + "99" + logic.title);
        for (const auto& commentLine : commentLines(logic.comment)) {
            out.lines.push_back(qqq + "97" + commentLine);
        }
    }
    out.lines.push_back("00198" + program.name);
    out.lines.push_back("00198" + program.name);
    return out;
}

void removeDroppedCells(TPrograma& program, const std::vector<DroppedCell>& dropped) {
    for (const auto& d : dropped) {
        if (d.logic >= 1 && d.logic <= program.count() && ladder::inGrid(d.column, d.row)) {
            program.logic(d.logic).cell(d.column, d.row).clear();
        }
    }
}

LadderReadResult readLadderSection(TPrograma& program, const std::vector<std::string>& lines,
                                   const LadderReadOptions& options) {
    LadderReadResult result;
    ladder::LimpaPrograma(program);
    program.setName(options.initialName);
    std::vector<bool> commented;
    std::size_t count = lines.size();
    if (options.skipLastLine && count > 0) {
        --count;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!readLine(program, lines[i], result, commented)) {
            ++result.skippedLines;
        }
    }
    return result;
}

bool isProgramFileName(const std::filesystem::path& path) {
    return text::endsWithIgnoreCase(path.filename().string(), ".vlm");
}

text::WriteResult GravaArquivoPrograma(const std::filesystem::path& path, const TPrograma& program,
                                       std::vector<DroppedCell>* dropped) {
    LadderLines out = writeLadderSection(program);
    if (dropped != nullptr) {
        *dropped = out.dropped;
    }
    for (auto& line : out.lines) {
        for (char& c : line) {
            if (static_cast<unsigned char>(c) < 32) {
                c = ' '; // a control byte in a title or comment would split the line
            }
        }
    }
    return text::writeLinesAtomic(path, out.lines);
}

bool LeArquivoPrograma(const std::filesystem::path& path, TPrograma& program) {
    const auto lines = text::readLines(path);
    if (!lines) {
        return false;
    }
    TPrograma read = program;
    std::string fileName = path.filename().string();
    if (isProgramFileName(path)) {
        fileName.resize(fileName.size() - 4);
    }
    readLadderSection(read, *lines, LadderReadOptions{false, fileName});
    program = std::move(read);
    return true;
}

} // namespace velmora::project
