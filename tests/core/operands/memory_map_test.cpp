#include "core/operands/memory_map.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class MapFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-map-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const fs::path& p, std::string_view bytes) {
        ASSERT_TRUE(text::writeFileAtomic(p, bytes));
    }
    fs::path dir;
};

TEST(MapKeys, SeventySixKeysInFileOrder) {
    EXPECT_EQ(kMapKeyCount, 76u);
    EXPECT_EQ(mapKeyName(MapKey::ADDBUFFER), "ADDBUFFER");
    EXPECT_EQ(mapKeyName(MapKey::ADDINICIOPROGRAMA), "ADDINICIOPROGRAMA");
    EXPECT_EQ(mapKeyName(MapKey::TAM_PRESET_CR), "TAM_PRESET_CR");
    for (std::size_t i = 0; i < kMapKeyCount; ++i) {
        const auto key = static_cast<MapKey>(i);
        EXPECT_EQ(findMapKey(mapKeyName(key)), key) << i;
    }
    EXPECT_FALSE(findMapKey("addpid"));
    EXPECT_FALSE(findMapKey("ADDPI"));
    EXPECT_FALSE(findMapKey(""));
}

TEST(ParseMapValue, HexadecimalFromTheLastCharacter) {
    struct Case {
        std::string value;
        std::optional<std::int32_t> result;
    };
    const std::vector<Case> cases = {
        {"400", 0x400},
        {"0400", 0x400},
        {"1A2", 418},
        {"1a2", 418},    // lower-case digits are hexadecimal digits too
        {"04g0", 0x400}, // any other character counts 0 but keeps its place
        {" 400", 0x400},
        {"", 0},
        {"7FFFFFFF", 0x7FFFFFFF},
        {"FFFFFFFF", -1},
        {"123456789", std::nullopt}, // more than 32 bits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseMapValue(c.value), c.result) << '"' << c.value << '"';
    }
}

TEST(ReadMemoryMapText, LineRules) {
    MemoryMap map;
    map[MapKey::ADDLED] = 0x77;
    map[MapKey::TAMLED] = 0x55;
    const auto r = readMemoryMapText(map, "ADDPID=0400\r\n" // no blanks: key "ADDPI"
                                          "ADDTECLA = 400\r\n"
                                          "ADDBUFFER = 04g0\r\n"
                                          "ADDINPUT = 10  \r\n" // trailing blanks trimmed
                                          "ADDOUTPUT = 1\n"     // LF alone
                                          "ADDOUTPUT = 2\r\n"   // the later line wins
                                          "addled = 5\r\n"      // keys are case-sensitive
                                          "UNKNOWN = 5\r\n"
                                          "no equals sign\r\n"
                                          "= 5\r\n"
                                          "TAMLED = 123456789\r\n" // refused, keeps 0x55
                                          "TAMPID = \r\n"
                                          "TAMTECLA = 14");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(map[MapKey::ADDPID], 0);
    EXPECT_EQ(map[MapKey::ADDTECLA], 0x400);
    EXPECT_EQ(map[MapKey::ADDBUFFER], 0x400);
    EXPECT_EQ(map[MapKey::ADDINPUT], 0x10);
    EXPECT_EQ(map[MapKey::ADDOUTPUT], 2);
    EXPECT_EQ(map[MapKey::ADDLED], 0x77);
    EXPECT_EQ(map[MapKey::TAMLED], 0x55);
    EXPECT_EQ(map[MapKey::TAMPID], 0);
    EXPECT_EQ(map[MapKey::TAMTECLA], 0x14);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 11u);
    EXPECT_EQ(r.problems[0].text, "TAMLED = 123456789");
    EXPECT_FALSE(map.source); // only LeMapaMemoria names a source
}

TEST_F(MapFiles, MissingFileIsAnErrorAndLeavesTheMap) {
    MemoryMap map;
    map[MapKey::ADDPID] = 5;
    const auto r = LeMapaMemoria(map, dir / "Enderecos.txt");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(map[MapKey::ADDPID], 5);
    EXPECT_FALSE(map.source);
}

TEST_F(MapFiles, LaterReadsReplaceKeyByKey) {
    const fs::path first = dir / "Enderecos.txt";
    const fs::path second = dir / "other.txt";
    write(first, "ADDPID = 0400\r\nTAMPID = 0200\r\n");
    write(second, "TAMPID = 0080\r\n");
    MemoryMap map;
    ASSERT_TRUE(LeMapaMemoria(map, first));
    ASSERT_TRUE(LeMapaMemoria(map, second));
    EXPECT_EQ(map[MapKey::ADDPID], 0x400);
    EXPECT_EQ(map[MapKey::TAMPID], 0x80);
    EXPECT_EQ(map.source, second);
}

TEST_F(MapFiles, WritesTheNormalFormThatReadsBack) {
    MemoryMap map;
    for (std::size_t i = 0; i < kMapKeyCount; ++i) {
        map.values[i] = static_cast<std::int32_t>(i * 0x111);
    }
    map[MapKey::ADDREC] = 0x12345;
    map[MapKey::TAMCR] = -1;
    const fs::path path = dir / "map.txt";
    ASSERT_TRUE(GravaMapaMemoria(map, path));
    const auto bytes = text::readFileBytes(path);
    ASSERT_TRUE(bytes);
    const auto lines = text::splitLines(*bytes);
    ASSERT_EQ(lines.size(), kMapKeyCount);
    EXPECT_EQ(lines[0], "ADDBUFFER = 0000");
    EXPECT_EQ(lines[1], "TAMBUFFER = 0111");
    EXPECT_EQ(lines[64], "ADDINICIOPROGRAMA = 4440");
    EXPECT_EQ(lines[66], "TAMCR = FFFFFFFF");
    EXPECT_EQ(lines[69], "ADDREC = 12345");
    EXPECT_EQ(lines[75], "TAM_PRESET_CR = 4FFB");
    EXPECT_EQ(bytes->substr(0, 18), "ADDBUFFER = 0000\r\n");
    MemoryMap back;
    ASSERT_TRUE(LeMapaMemoria(back, path));
    EXPECT_EQ(back.values, map.values);
}

TEST_F(MapFiles, WriteBackGoesToTheFileReadAndNeverWritesAnUnreadMap) {
    MemoryMap unread;
    EXPECT_FALSE(writeBackMemoryMap(unread));
    EXPECT_TRUE(fs::is_empty(dir));

    const fs::path path = dir / "Enderecos.txt";
    write(path, "ADDPID = 400\nJUNK\n");
    MemoryMap map;
    ASSERT_TRUE(LeMapaMemoria(map, path));
    const auto written = writeBackMemoryMap(map);
    ASSERT_TRUE(written);
    EXPECT_TRUE(*written);
    EXPECT_FALSE(fs::exists(dir / "ENDERECOS.TXT"));
    const auto lines = text::readLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, memoryMapLines(map));
    EXPECT_EQ((*lines)[58], "ADDPID = 0400");
}

} // namespace
} // namespace velmora
