#include "core/tables/symbol_table.h"

#include "core/text/strings.h"

namespace velmora::tables {

namespace {

const SymbolRow* rowOfAddress(const SymbolTable& table, std::string_view address) {
    for (const auto& row : table.rows) {
        if (row.address == address) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

std::string SimboloDoEndereco(const SymbolTable& table, std::string_view address) {
    const SymbolRow* row = rowOfAddress(table, address);
    if (row == nullptr || row->symbol.empty()) {
        return std::string(address);
    }
    return row->symbol;
}

std::string ComentarioDoEndereco(const SymbolTable& table, std::string_view address) {
    const SymbolRow* row = rowOfAddress(table, address);
    return row == nullptr ? std::string() : row->comment;
}

std::string EnderecoDoSimbolo(const SymbolTable& table, std::string_view symbol) {
    for (const auto& row : table.rows) {
        if (row.symbol == symbol) {
            return row.address;
        }
    }
    return {};
}

bool ExisteEndereco(const SymbolTable& table, std::string_view address) {
    return rowOfAddress(table, address) != nullptr;
}

void DefineSimbolo(SymbolTable& table, std::string_view address, std::string_view symbol) {
    const std::string upper = text::toUpperAscii(symbol);
    for (auto& row : table.rows) {
        if (row.address == address) {
            row.symbol = upper;
            return;
        }
    }
    if (table.rows.empty() || !table.rows.back().empty()) {
        table.rows.emplace_back();
    }
    table.rows.back().address = std::string(address);
    table.rows.back().symbol = upper;
}

std::vector<std::string> writeSymbolSection(const SymbolTable& table) {
    std::vector<std::string> lines;
    for (const auto& row : table.rows) {
        if (!row.empty()) {
            lines.push_back(row.address + ";" + row.symbol + ";" + row.comment);
        }
    }
    return lines;
}

void readSymbolSection(SymbolTable& table, const std::vector<std::string>& lines) {
    table.clear();
    for (const auto& line : lines) {
        const auto fields = text::splitFields(line);
        SymbolRow& row = table.rows.back();
        row.address = fields.size() > 0 ? fields[0] : std::string();
        row.symbol = fields.size() > 1 ? fields[1] : std::string();
        row.comment = fields.size() > 2 ? fields[2] : std::string();
        table.rows.emplace_back();
    }
}

} // namespace velmora::tables
