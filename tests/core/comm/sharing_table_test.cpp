#include "core/comm/sharing_table.h"

#include <gtest/gtest.h>

namespace velmora::comm {
namespace {

TEST(SharingTable, EntryBytesOfARow) {
    const SharingRow row = {"Read holding register", "1", "0010", "0020", "0005", "0001"};
    const auto bytes = EntradaCompartilhamento(row);
    ASSERT_TRUE(bytes);
    const std::array<std::uint8_t, 10> expected = {0x03, 0x01, 0x00, 0x10, 0x00,
                                                   0x20, 0x00, 0x05, 0x00, 0x01};
    EXPECT_EQ(*bytes, expected);
}

TEST(SharingTable, FunctionCodesAndRefusals) {
    struct Case {
        const char* function;
        const char* station;
        std::optional<std::uint8_t> code;
    };
    const Case cases[] = {
        {"Read coil status", "2", 1},     {"Read input status", "2", 2},
        {"Force single coil", "2", 5},    {"Preset single register", "2", 6},
        {"Force multiple coil", "2", 15}, {"Preset multiple register", "2", 16},
        {"read coil status", "2", {}},    {"", "2", {}},
        {"Read coil status", "x", {}},    {"Read coil status", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.function) + "/" + c.station);
        const auto bytes = EntradaCompartilhamento({c.function, c.station, "1", "2", "3", "4"});
        ASSERT_EQ(bytes.has_value(), c.code.has_value());
        if (bytes) {
            EXPECT_EQ((*bytes)[0], *c.code);
        }
    }
    // The station is sent as its low byte.
    EXPECT_EQ((*EntradaCompartilhamento({"Read coil status", "258", "", "", "", ""}))[1], 2);
}

TEST(SharingTable, HexReadingCountsOtherCharactersAsZero) {
    EXPECT_EQ(hexSharingAddress("ab"), 0);
    EXPECT_EQ(hexSharingAddress("AB"), 0xAB);
    EXPECT_EQ(hexSharingAddress("1G2"), 0x102);
    EXPECT_EQ(hexSharingAddress(""), 0);
    EXPECT_EQ(hexSharingAddress("12345"), 0x2345);
}

TEST(SharingTable, EntryCountIgnoresAnEmptyLastRow) {
    SharingTable t;
    EXPECT_EQ(NumeroEntradasCompartilhamento(t), 0);
    t.rows = {{"Read coil status", "1", "0", "0", "0", "0"}, {}};
    EXPECT_EQ(NumeroEntradasCompartilhamento(t), 1);
    t.rows.pop_back();
    EXPECT_EQ(NumeroEntradasCompartilhamento(t), 1);
}

TEST(SharingSection, WriteJoinsSixCellsAndReadFillsRows) {
    SharingTable t;
    t.rows = {{"Read holding register", "1", "0010", "0020", "0005", "0001"}, {}};
    const std::vector<std::string> expected = {"Read holding register;1;0010;0020;0005;0001",
                                               ";;;;;"};
    EXPECT_EQ(EscreveTabComp(t), expected);

    SharingTable back;
    LeTabComp(back, EscreveTabComp(t));
    EXPECT_EQ(back, t);

    LeTabComp(back, {"Force single coil;3", "a;b;c;d;e;f;g;h"});
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0], (SharingRow{"Force single coil", "3", "", "", "", ""}));
    EXPECT_EQ(back.rows[1], (SharingRow{"a", "b", "c", "d", "e", "f"}));

    LeTabComp(back, {});
    EXPECT_TRUE(back.rows.empty());
}

} // namespace
} // namespace velmora::comm
