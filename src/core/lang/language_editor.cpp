#include "core/lang/language_editor.h"

#include "core/lang/language_file.h"
#include "core/lang/typed_text.h"
#include "core/seams/prompts.h"
#include "core/text/cp1252.h"

#include <algorithm>

namespace velmora {

namespace {

// An index that named language `removed` or one after it, once that language is gone.
int afterRemoval(int index, int removed) {
    if (index > removed) {
        return index - 1;
    }
    if (index == removed) {
        return std::max(removed - 1, 0);
    }
    return index;
}

int clampLanguage(int index, int count) {
    if (count <= 0 || index < 0 || index >= count) {
        return 0;
    }
    return index;
}

} // namespace

LanguageEditor::LanguageEditor(Language& language) : language_(language) {
    rebuild();
}

void LanguageEditor::show() {
    const int count = language_.table.languageCount();
    language_.edited = clampLanguage(language_.current, count);
    language_.comparison = language_.edited;
    selected_ = -1;
    rebuild();
}

std::vector<std::string> LanguageEditor::languageNames() const {
    std::vector<std::string> names;
    for (int k = 0; k < language_.table.languageCount(); ++k) {
        names.push_back(language_.table.languageName(k));
    }
    return names;
}

std::string LanguageEditor::field(std::size_t row, int language) const {
    const auto& fields = language_.table.rows[row];
    const std::size_t index = static_cast<std::size_t>(language) + 2;
    return language >= 0 && index < fields.size() ? fields[index] : std::string();
}

void LanguageEditor::rebuild() {
    const auto& table = language_.table;
    grid_.clear();
    grid_.push_back({"ID", "Local/Descri\xE7\xE3o",
                     "Tradu\xE7\xE3o - " + table.languageName(language_.edited),
                     "Compara\xE7\xE3o - " + table.languageName(language_.comparison)});
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const auto& fields = table.rows[r];
        grid_.push_back({fields.size() > 0 ? fields[0] : std::string(),
                         fields.size() > 1 ? fields[1] : std::string(), field(r, language_.edited),
                         field(r, language_.comparison)});
    }
}

bool LanguageEditor::isEditable(int row, int column) {
    return row >= 1 && (column == 1 || column == 2);
}

bool LanguageEditor::setCell(int row, int column, const std::string& text, Prompts& prompts) {
    if (!isEditable(row, column) || static_cast<std::size_t>(row) >= grid_.size()) {
        return false;
    }
    if (!isStorableText(text)) {
        prompts.error(storableTextRefusal());
        return false;
    }
    grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    return true;
}

void LanguageEditor::takeGridBack() {
    auto& rows = language_.table.rows;
    const std::size_t edited = static_cast<std::size_t>(language_.edited) + 2;
    const bool editedExists =
        language_.edited >= 0 && language_.edited < language_.table.languageCount();
    for (std::size_t r = 1; r < grid_.size() && r < rows.size(); ++r) {
        auto& fields = rows[r];
        if (fields.size() > 1) {
            fields[1] = grid_[r][1];
        }
        if (editedExists && edited < fields.size()) {
            fields[edited] = grid_[r][2];
        }
    }
}

void LanguageEditor::selectEdited(int language) {
    takeGridBack();
    if (language >= 0 && language < language_.table.languageCount()) {
        language_.edited = language;
    }
    rebuild();
}

void LanguageEditor::selectComparison(int language) {
    takeGridBack();
    if (language >= 0 && language < language_.table.languageCount()) {
        language_.comparison = language;
    }
    rebuild();
}

bool LanguageEditor::nameTaken(const std::string& name) const {
    for (int k = 0; k < language_.table.languageCount(); ++k) {
        if (language_.table.languageName(k) == name) {
            return true;
        }
    }
    return false;
}

bool LanguageEditor::newLanguage(Prompts& prompts) {
    takeGridBack();
    const auto name = prompts.input("Inser\xE7\xE3o de Idioma", "Digite o nome do novo Idioma", "");
    if (!name) {
        return false;
    }
    if (!isStorableText(*name)) {
        prompts.error(storableTextRefusal());
        return false;
    }
    if (nameTaken(*name)) {
        prompts.error("Idioma j\xE1 cadastrado");
        return false;
    }
    auto& rows = language_.table.rows;
    if (rows.empty()) {
        rows.push_back({"", ""}); // a table started from nothing gets its header
    }
    for (auto& fields : rows) {
        fields.emplace_back();
    }
    rows[0].back() = *name;
    rebuild();
    return true;
}

bool LanguageEditor::deleteLanguage(Prompts& prompts) {
    takeGridBack();
    const int count = language_.table.languageCount();
    if (count <= 1) {
        prompts.information("N\xE3o \xE9 permitido excluir um idioma quando s\xF3 existe ele");
        return false;
    }
    const int removed = clampLanguage(language_.edited, count);
    if (!prompts.confirm("Deseja realmente excluir o idioma " +
                         language_.table.languageName(removed))) {
        return false;
    }
    const std::size_t index = static_cast<std::size_t>(removed) + 2;
    for (auto& fields : language_.table.rows) {
        if (index < fields.size()) {
            fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }
    // Every index keeps naming the language it named; one that named the deleted language
    // moves to the one before it (the first when the first was deleted).
    language_.edited = afterRemoval(removed, removed);
    language_.comparison = afterRemoval(language_.comparison, removed);
    language_.current = afterRemoval(language_.current, removed);
    rebuild();
    return true;
}

bool LanguageEditor::renameLanguage(Prompts& prompts) {
    takeGridBack();
    const int count = language_.table.languageCount();
    if (count < 1) {
        return false;
    }
    const int edited = clampLanguage(language_.edited, count);
    const auto name = prompts.input("Edi\xE7\xE3o de edioma", "Edite o nome do idioma",
                                    language_.table.languageName(edited));
    if (!name) {
        return false;
    }
    if (!isStorableText(*name)) {
        prompts.error(storableTextRefusal());
        return false;
    }
    if (nameTaken(*name)) {
        prompts.information("J\xE1 existe um idioma com este nome");
        return false;
    }
    language_.table.rows[0][static_cast<std::size_t>(edited) + 2] = *name;
    rebuild();
    return true;
}

void LanguageEditor::newPhrase() {
    takeGridBack();
    auto& rows = language_.table.rows;
    if (rows.empty()) {
        return;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& fields = rows[r];
        const bool empty = std::all_of(fields.begin() + (fields.empty() ? 0 : 1), fields.end(),
                                       [](const std::string& f) { return f.empty(); });
        if (empty) {
            selected_ = static_cast<int>(r);
            return;
        }
    }
    std::vector<std::string> fields(rows[0].size());
    fields[0] = std::to_string(rows.size());
    rows.push_back(std::move(fields));
    selected_ = static_cast<int>(rows.size() - 1);
    rebuild();
}

bool LanguageEditor::deletePhrase(int row, Prompts& prompts) {
    takeGridBack();
    auto& rows = language_.table.rows;
    if (row < 2 || static_cast<std::size_t>(row) >= rows.size()) {
        return false;
    }
    if (!prompts.confirm("Deseja realmente apagar a linha " + std::to_string(row))) {
        return false;
    }
    auto& fields = rows[static_cast<std::size_t>(row)];
    for (std::size_t f = 1; f < fields.size(); ++f) {
        fields[f].clear();
    }
    rebuild();
    return true;
}

bool LanguageEditor::save(const std::filesystem::path& path, Prompts& prompts) {
    takeGridBack();
    const auto written = GravaIdiomas(path, language_.table);
    if (!written) {
        prompts.error("Falha na grava\xE7\xE3o do arquivo de Idiomas: " +
                      text::utf8ToCp1252(written.error));
        return false;
    }
    return true;
}

} // namespace velmora
