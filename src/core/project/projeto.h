#pragma once

#include "core/comm/sharing_table.h"
#include "core/ladder/program.h"
#include "core/project/config_geral.h"
#include "core/tables/hmi_string_table.h"
#include "core/tables/recipe_grid.h"
#include "core/tables/symbol_table.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::project {

inline constexpr int kProgramSlots = 20;
inline constexpr std::size_t kAuthorCapacity = 50;
inline constexpr std::size_t kProjectNameCapacity = 50;
inline constexpr std::size_t kHmiNameCapacity = 70;

// The model a new project gets. The download's model list spells it "ZT 640"; the file keeps
// this spelling, and comparing the two is the download's concern.
inline constexpr std::string_view kDefaultModel = "ZT640";

// The project record.
struct TProjeto {
    std::array<ladder::TPrograma, kProgramSlots> programs; // slots 1 ... 20, see program()
    std::string author;                                    // at most kAuthorCapacity
    std::int32_t programCount = 1;                         // slots in use (1 = main only)
    std::string name;                                      // file name without extension
    std::filesystem::path location;                        // folder of the project file
    std::string kind = "LD";                               // "LD" ladder, "ML" instruction list
    std::int32_t codeSize = 0;                             // set by the compile, not saved
    bool modified = false;
    std::string model{kDefaultModel};
    std::string hmiName = "ProgIHM"; // at most kHmiNameCapacity
    std::int32_t hmiFieldCount = 0;
    std::int32_t hmiPageCount = 0;
    std::int32_t hmiGroupCount = 0;
    ConfigGeral config = configGeralPadrao(); // includes the partial-send setting

    // The #IHM lines as read, written back unchanged until the HMI model reads and writes them.
    std::vector<std::string> hmiLines;

    TProjeto();

    // Slot n, 1 ... 20 (callers keep n in range).
    ladder::TPrograma& program(int slot) { return programs[static_cast<std::size_t>(slot - 1)]; }
    const ladder::TPrograma& program(int slot) const {
        return programs[static_cast<std::size_t>(slot - 1)];
    }
    // The project file: location / name + ".vlp".
    std::filesystem::path filePath() const { return location / (name + ".vlp"); }
    // The download history beside it: location / name + ".hdw".
    std::filesystem::path historyPath() const { return location / (name + ".hdw"); }
};

// A section of a project file that the system does not know, kept to be written back.
struct ForeignSection {
    std::string name;
    std::vector<std::string> lines;
    bool operator==(const ForeignSection&) const = default;
};

// Everything one project file carries, held together so that an open can build a complete
// project aside and swap it in only when the whole file was read.
struct Project {
    TProjeto record;
    tables::SymbolTable symbols;
    tables::HmiStringTable hmiStrings;
    tables::RecipeGrid recipes;
    comm::SharingTable sharing;
    std::vector<ForeignSection> foreignSections;
    // An "ML" project of the older layout keeps its instruction list in a side file.
    std::vector<std::string> instructionList;
};

// Resets the record as a new or opened project starts: slots 1 ... 20 each one empty logic
// numbered by their slot, program count 1, name, location and author empty, not modified.
void resetProject(TProjeto& record);

} // namespace velmora::project
