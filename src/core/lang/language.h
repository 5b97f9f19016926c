#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The language table: row 0 is the header (fields 2... name the languages), row n holds
// message n: its number, where it is used, then one text per language.
struct LanguageTable {
    std::vector<std::vector<std::string>> rows;

    // How many languages the header names (0 when the table was never read).
    int languageCount() const;
    // The name of language k; empty when k names no language.
    std::string languageName(int language) const;
};

// The table with the indices the session keeps: the chosen language and the two the
// language editor shows.
struct Language {
    LanguageTable table;
    int current = 0;
    int edited = 0;
    int comparison = 0;

    // Message n in the current language (see TextoMensagem).
    std::string text(int number, std::string_view arguments = {}) const;
};

// The text of message `number` in language `language`, with the placeholders [0] ... [9]
// filled from the ";"-separated `arguments`. A number past the table or a placeholder that
// is missing gives the failure text: language name, " [", number, " ]", " com Falha".
// Placeholders are sought in the message text only, never inside an argument already put in.
std::string TextoMensagem(const LanguageTable& table, int language, int number,
                          std::string_view arguments = {});

// Joins arguments into the text TextoMensagem takes. An argument may hold ";" (a file name,
// a tree-node text): it is escaped so it stays one argument. Use this whenever an argument
// comes from the user or a file.
std::string joinArguments(const std::vector<std::string>& arguments);

// Splits an argument text as TextoMensagem does (";" separated, escapes undone).
std::vector<std::string> splitArguments(std::string_view arguments);

} // namespace velmora
