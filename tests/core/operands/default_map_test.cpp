// The memory map shipped in data/: its areas hold every operand the limit table allows,
// never overlap (the upload turns addresses back into operands), and stay clear of the
// constants 0 and 1 and of the program.
#include "core/operands/memory_map.h"
#include "core/operands/operand_address.h"
#include "core/operands/operand_class.h"
#include "core/operands/operand_limits.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

using K = MapKey;

const std::filesystem::path kDefaultMap = std::filesystem::path(VELMORA_DATA_DIR) / "Enderecos.txt";

class DefaultMap : public ::testing::Test {
protected:
    void SetUp() override {
        const auto r = LeMapaMemoria(map, kDefaultMap);
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_TRUE(r.problems.empty());
    }
    MemoryMap map;
};

struct Area {
    K start, size;
    int minimum; // bytes the operands need at least
};

const std::vector<Area> kAreas = {
    {K::ADDBUFFER, K::TAMBUFFER, 16},
    {K::ADDTIMERBASE, K::TAMTIMERBASE, 64},
    {K::ADDTIMERSTORE, K::TAMTIMERSTORE, 64},
    {K::ADDLINHA, K::TAMLINHA, 257},
    {K::ADDINPUT, K::TAMINPUT, 16},
    {K::ADDOUTPUT, K::TAMOUTPUT, 16},
    {K::ADDINPUT_2, K::TAMINPUT_2, 16},
    {K::ADDOUTPUT_2, K::TAMOUTPUT_2, 16},
    {K::ADDTECLA, K::TAMTECLA, 20},
    {K::ADDLED, K::TAMLED, 8},
    {K::ADDOUTPUTANALOG, K::TAMOUTPUTANALOG, 18},
    {K::ADDBITMEMORY, K::TAMBITMEMORY, 512},
    {K::ADDBYTEMEMORY, K::TAMBYTEMEMORY, 512},
    {K::ADDBITRETENTIVO_E, K::TAMBITRETENTIVO_E, 256},
    {K::ADDBYTERETENTIVO_E, K::TAMBYTERETENTIVO_E, 512},
    {K::ADDBITRETENTIVO_R, K::TAMBITRETENTIVO_R, 512},
    {K::ADDBYTERETENTIVO_R, K::TAMBYTERETENTIVO_R, 512},
    {K::ADDBITSISTEMA, K::TAMBITSISTEMA, 256},
    {K::ADDBYTESISTEMA, K::TAMBYTESISTEMA, 256},
    {K::ADDWORDMEMORY, K::TAMWORDMEMORY, 1024},
    {K::ADDWORDRETENTIVO_E, K::TAMWORDRETENTIVO_E, 256},
    {K::ADDWORDRETENTIVO_R, K::TAMWORDRETENTIVO_R, 512},
    {K::ADDTIMERATUAL, K::TAMTIMERATUAL, 128},
    {K::ADDTIMERPRESET, K::TAMTIMERPRESET, 128},
    {K::ADDCOUNTERATUAL, K::TAMCOUNTERATUAL, 128},
    {K::ADDCOUNTERPRESET, K::TAMCOUNTERPRESET, 128},
    {K::ADDCOUNTEREQUAL, K::TAMCOUNTEREQUAL, 128},
    {K::ADDWORDSISTEMA, K::TAMWORDSISTEMA, 512},
    {K::ADDINPUTANALOG, K::TAMINPUTANALOG, 16},
    {K::ADDPID, K::TAMPID, 512},
    {K::ADDCOUNTERR, K::TAMCOUNTERR, 0},
    {K::ADDBUFFERWORD, K::TAMBUFFERWORD, 16},
    {K::ADDCR, K::TAMCR, 0},
    {K::ADDLONGINT, K::TAMLONGINT, 64},
    {K::ADD_OUT_CR, K::TAM_OUT_CR, 3},
    {K::ADD_VALOR_CR, K::TAM_VALOR_CR, 6},
    {K::ADD_PRESET_CR, K::TAM_PRESET_CR, 6},
};

TEST_F(DefaultMap, IsInNormalForm) {
    const auto bytes = text::readFileBytes(kDefaultMap);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, text::joinCrLf(memoryMapLines(map)));
}

TEST_F(DefaultMap, AreasAreLargeEnoughDisjointAndBelowTheProgram) {
    const long long program = map[K::ADDINICIOPROGRAMA];
    const long long rec = map[K::ADDREC];
    EXPECT_GE(rec, 2);
    EXPECT_GT(program, rec);
    EXPECT_LE(program, 0xFFFF);
    for (std::size_t i = 0; i < kAreas.size(); ++i) {
        const auto& a = kAreas[i];
        const long long start = map[a.start];
        const long long end = start + map[a.size];
        EXPECT_GE(map[a.size], a.minimum) << mapKeyName(a.size);
        EXPECT_GE(start, 2) << mapKeyName(a.start);
        EXPECT_LE(end, program) << mapKeyName(a.start);
        EXPECT_FALSE(rec >= start && rec < end) << "ADDREC inside " << mapKeyName(a.start);
        for (std::size_t j = i + 1; j < kAreas.size(); ++j) {
            const long long otherStart = map[kAreas[j].start];
            const long long otherEnd = otherStart + map[kAreas[j].size];
            EXPECT_TRUE(end <= otherStart || otherEnd <= start)
                << mapKeyName(a.start) << " overlaps " << mapKeyName(kAreas[j].start);
        }
    }
}

// Every operand the limit table accepts (and the compiler's own) resolves, each to bytes
// no other operand uses.
TEST_F(DefaultMap, EveryAllowedOperandHasItsOwnAddress) {
    const OperandLimits limits = LimitesOperandos(map);
    std::vector<std::string> operands;
    const auto numbered = [&](const std::string& prefix, int count, const std::string& suffix) {
        for (int n = 0; n < count; ++n) {
            operands.push_back(prefix + std::to_string(n) + suffix);
        }
    };
    for (int w = 0; w < limits.inputWords; ++w) {
        numbered("%I" + std::to_string(w) + ".", kBitsPerWord, "");
    }
    for (int w = 0; w < limits.outputWords; ++w) {
        numbered("%Q" + std::to_string(w) + ".", kBitsPerWord, "");
    }
    numbered("%IA", limits.analogInputs, "");
    numbered("%QA", limits.analogOutputs, "");
    numbered("%M", limits.bitMemory, "");
    numbered("%MRR", limits.retentiveBitsRam, "");
    numbered("%MRE", limits.retentiveBitsE2prom, "");
    for (const char* p : {"%MB", "%MBRR", "%MBRE"}) {
        numbered(p, limits.bytes, "");
    }
    numbered("%MW", limits.words, "");
    numbered("%MWRR", limits.retentiveWordsRam, "");
    numbered("%MWRE", limits.retentiveWordsE2prom, "");
    numbered("%ML", limits.longints, "");
    numbered("%S", limits.systemBits, "");
    numbered("%SB", limits.systemBytes, "");
    numbered("%SW", limits.systemWords, "");
    for (const char* f : {".V", ".P", ".Q", ".B"}) {
        numbered("%T", limits.timers, f);
    }
    for (const char* f : {".V", ".P", ".Q"}) {
        numbered("%C", limits.counters, f);
        numbered("%CR", limits.fastCounters, f);
    }
    for (const char* f : {".KP", ".KI", ".KD", ".SP"}) {
        numbered("%PID", kMaxPidBlock + 1, f);
    }
    numbered("%LT.F", kLedCount + 1, "");
    operands.erase(std::find(operands.begin(), operands.end(), "%LT.F0"));
    for (const char* k : {"ESQ", "UP", "DOWN", "DIR", "1", "2", "3",   "4", "F1", "F2",
                          "F3",  "F4", "5",    "6",   "7", "8", "ALT", "9", "0",  "ENTER"}) {
        operands.push_back(std::string("%TC.") + k);
    }
    const std::size_t checked = operands.size();
    numbered("B", 16, "");
    numbered("L", 257, "");
    numbered("O", 8, "");

    std::map<long, std::string> owner; // byte address -> operand using it
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const std::string& op = operands[i];
        if (i < checked) {
            EXPECT_TRUE(OperandoNaFaixa(limits, op)) << op;
        }
        const auto r = resolveAddress(map, op);
        ASSERT_EQ(r.status, AddressResult::Status::Ok) << op << ": " << r.text;
        const int size = TamanhoOperando(op);
        const int bytes = size == 2 || size == 4 ? size : (ClasseOperando(op) == "O" ? 2 : 1);
        for (int b = 0; b < bytes; ++b) {
            const auto [it, fresh] = owner.emplace(r.address + b, op);
            EXPECT_TRUE(fresh) << op << " shares address " << r.address + b << " with "
                               << it->second;
        }
    }
    EXPECT_LT(owner.rbegin()->first, map[K::ADDINICIOPROGRAMA]);
    EXPECT_GE(owner.begin()->first, 2);
}

} // namespace
} // namespace velmora
