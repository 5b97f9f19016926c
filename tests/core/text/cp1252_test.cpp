#include "core/text/cp1252.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0xE9, "\xC3\xA9"},     // é
        {0xE7, "\xC3\xA7"},     // ç
        {0xE3, "\xC3\xA3"},     // ã
        {0x80, "\xE2\x82\xAC"}, // €
        {0x81, "\xC2\x81"},     // undefined: kept as the C1 control of the same value
        {0x9F, "\xC5\xB8"},     // Ÿ
        {'A', "A"},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp1252ToUtf8(byte), c.utf8) << int(c.byte);
        EXPECT_EQ(utf8ToCp1252(c.utf8), byte) << int(c.byte);
    }
}

TEST(Cp1252, WhatItCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(utf8ToCp1252("a\xE4\xB8\xAD"
                           "b"),
              "a?b");                       // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");   // truncated sequence
    EXPECT_EQ(utf8ToCp1252("\xFFx"), "?x"); // not UTF-8 at all
}

} // namespace
} // namespace velmora::text
