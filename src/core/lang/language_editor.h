#pragma once

#include "core/lang/language.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

class Prompts;

// The language editor's commands over the table, without a window. The editor keeps the
// grid the window shows (a header row, then one row per message: number, description,
// edited language's text, comparison language's text); the window copies typed cells in
// with setCell and redraws from grid() after every command. Every command that changes the
// table first takes the grid back into it, so typed texts are never lost.
class LanguageEditor {
public:
    using Grid = std::vector<std::vector<std::string>>;
    static constexpr int kColumns = 4;

    explicit LanguageEditor(Language& language);

    // On show: both lists select the current language; the grid is rebuilt.
    void show();

    const Grid& grid() const { return grid_; }
    // The grid row the window should select after the last command; -1 for none.
    int selectedRow() const { return selected_; }
    std::vector<std::string> languageNames() const;

    // Only the description and the edited language's text of message rows can be edited.
    static bool isEditable(int row, int column);
    // A typed cell. Refused (false) when the cell cannot be edited, or with an error box
    // when the text could not be stored.
    bool setCell(int row, int column, const std::string& text, Prompts& prompts);

    // Grid rows 1... back into the table: description and edited language's text.
    void takeGridBack();

    void selectEdited(int language);
    void selectComparison(int language);

    bool newLanguage(Prompts& prompts);
    bool deleteLanguage(Prompts& prompts);
    bool renameLanguage(Prompts& prompts);
    // Selects the first emptied message row, or appends a row when there is none.
    void newPhrase();
    // Empties the texts of a message row (its number stays); rows 2 and above only.
    bool deletePhrase(int row, Prompts& prompts);
    // Grid back, then the table is written to `path`; an error box tells a failure.
    bool save(const std::filesystem::path& path, Prompts& prompts);

private:
    void rebuild();
    bool nameTaken(const std::string& name) const;
    std::string field(std::size_t row, int language) const;

    Language& language_;
    Grid grid_;
    int selected_ = -1;
};

} // namespace velmora
