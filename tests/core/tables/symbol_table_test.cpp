#include "core/tables/symbol_table.h"

#include <gtest/gtest.h>

namespace velmora::tables {
namespace {

SymbolTable sample() {
    SymbolTable t;
    t.rows = {{"%M10", "MOTOR", "motor principal"},
              {"%I0.3", "", "sem simbolo"},
              {"%Q0.1", "LAMP", ""},
              {"%M11", "MOTOR", "repeated symbol, second row"},
              {}};
    return t;
}

TEST(SymbolLookups, FirstMatchingRowWins) {
    const SymbolTable t = sample();
    struct Case {
        const char* address;
        const char* symbol;
        const char* comment;
        bool exists;
    };
    const Case cases[] = {
        {"%M10", "MOTOR", "motor principal", true},
        {"%I0.3", "%I0.3", "sem simbolo", true}, // empty symbol: the address itself
        {"%Q0.1", "LAMP", "", true},
        {"%M99", "%M99", "", false}, // no row: the address itself
        {"%m10", "%m10", "", false}, // exact comparison
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(SimboloDoEndereco(t, c.address), c.symbol);
        EXPECT_EQ(ComentarioDoEndereco(t, c.address), c.comment);
        EXPECT_EQ(ExisteEndereco(t, c.address), c.exists);
    }
    EXPECT_EQ(EnderecoDoSimbolo(t, "MOTOR"), "%M10");
    EXPECT_EQ(EnderecoDoSimbolo(t, "LAMP"), "%Q0.1");
    EXPECT_EQ(EnderecoDoSimbolo(t, "NONE"), "");
}

TEST(DefineSimbolo, UpdatesTheRowOrFillsTheTrailingEmptyRow) {
    SymbolTable t = sample();
    DefineSimbolo(t, "%Q0.1", "lampada");
    EXPECT_EQ(t.rows[2].symbol, "LAMPADA");
    EXPECT_EQ(t.rows.size(), 5u);

    DefineSimbolo(t, "%MW5", "nivel");
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.rows[4], (SymbolRow{"%MW5", "NIVEL", ""}));

    DefineSimbolo(t, "%MW6", "v2"); // no empty row left: appended
    ASSERT_EQ(t.rows.size(), 6u);
    EXPECT_EQ(t.rows[5], (SymbolRow{"%MW6", "V2", ""}));
}

TEST(SymbolSection, WritesNonEmptyRowsJoinedBySemicolons) {
    SymbolTable t = sample();
    t.rows.insert(t.rows.begin() + 1, SymbolRow{});
    const std::vector<std::string> expected = {"%M10;MOTOR;motor principal", "%I0.3;;sem simbolo",
                                               "%Q0.1;LAMP;",
                                               "%M11;MOTOR;repeated symbol, second row"};
    EXPECT_EQ(writeSymbolSection(t), expected);
    EXPECT_TRUE(writeSymbolSection(SymbolTable{}).empty());
}

TEST(SymbolSection, ReadFillsRowsAndEndsWithOneEmptyRow) {
    SymbolTable t = sample();
    readSymbolSection(t, {"%M1;A;c1", "%M2", "%M3;B;c3;extra;more", ";;"});
    const std::vector<SymbolRow> expected = {
        {"%M1", "A", "c1"}, {"%M2", "", ""}, {"%M3", "B", "c3"}, {"", "", ""}, {}};
    EXPECT_EQ(t.rows, expected);

    readSymbolSection(t, {});
    EXPECT_EQ(t, SymbolTable{});
}

TEST(SymbolSection, RoundTrip) {
    const SymbolTable t = sample();
    SymbolTable back;
    readSymbolSection(back, writeSymbolSection(t));
    EXPECT_EQ(back, t);
}

} // namespace
} // namespace velmora::tables
