#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::tables {

// One row of the symbol table: an operand address (upper case, "%..."), its symbol and a
// free comment.
struct SymbolRow {
    std::string address;
    std::string symbol;
    std::string comment;

    bool empty() const { return address.empty() && symbol.empty() && comment.empty(); }
    bool operator==(const SymbolRow&) const = default;
};

// The symbol table: its data rows (the grid's header row is not kept). An empty table is one
// empty data row, and that is what a new or cleared table holds.
struct SymbolTable {
    std::vector<SymbolRow> rows{SymbolRow{}};

    void clear() { rows.assign(1, SymbolRow{}); }
    bool operator==(const SymbolTable&) const = default;
};

inline constexpr std::size_t kSymbolCapacity = 9;

// Lookups: exact comparison over the rows from the top, first match wins.
// The symbol of `address`; the address itself when no row has it or its symbol is empty.
std::string SimboloDoEndereco(const SymbolTable& table, std::string_view address);
// The comment of the row with `address`, or empty.
std::string ComentarioDoEndereco(const SymbolTable& table, std::string_view address);
// The address of the row with `symbol`, or empty.
std::string EnderecoDoSimbolo(const SymbolTable& table, std::string_view symbol);
bool ExisteEndereco(const SymbolTable& table, std::string_view address);
// Writes `symbol` (in upper case) into the row of `address`, or adds a row with both at the
// end (filling the trailing empty row when there is one).
void DefineSimbolo(SymbolTable& table, std::string_view address, std::string_view symbol);

// The #TABSIMB lines: one per row that is not all empty, "address;symbol;comment".
std::vector<std::string> writeSymbolSection(const SymbolTable& table);
// Clears the table to one empty row; each line fills the last (empty) row with its first three
// fields (missing ones empty) and appends a new empty row.
void readSymbolSection(SymbolTable& table, const std::vector<std::string>& lines);

} // namespace velmora::tables
