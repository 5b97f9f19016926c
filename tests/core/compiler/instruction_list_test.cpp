#include "core/compiler/instruction_list.h"

#include "ladder_builder.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora::compiler {
namespace {

using test::LogicBuilder;

std::string lines(std::initializer_list<const char*> ls) {
    std::string s;
    for (const char* l : ls) {
        s += "\r\n";
        s += l;
    }
    return s;
}

struct IlCase {
    const char* name;
    std::function<void(LogicBuilder&)> build;
    std::string expected; // TraduzLogica's text
};

class IlCases : public ::testing::TestWithParam<IlCase> {};

TEST_P(IlCases, TranslatesTheLogic) {
    LogicBuilder b;
    GetParam().build(b);
    CompileState state;
    EXPECT_EQ(TraduzLogica(b.logic, state), GetParam().expected);
    EXPECT_TRUE(state.errors.empty()) << state.errors.front().detail;
}

INSTANTIATE_TEST_SUITE_P(
    Networks, IlCases,
    ::testing::Values(
        IlCase{"series",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0").contact(1, 0, "%I0.1").wires(2, 8, 0).coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "AND  %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"two contacts in parallel",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .contact(0, 1, "%I0.1")
                       .link(0, 0)
                       .wires(1, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "OR   %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"parallel normally closed contact",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .contact(0, 1, "%I0.1", "CNF")
                       .link(0, 0)
                       .wires(1, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "ORN  %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"two branches of two contacts",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .contact(1, 0, "%I0.1")
                       .contact(0, 1, "%I0.2")
                       .contact(1, 1, "%I0.3")
                       .link(1, 0)
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "AND  %I0.1", "LD   %I0.2", "AND  %I0.3", "ORLD", "ST   %Q0.0",
                      "EP"})},
        IlCase{"a contact in series with a parallel pair",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .link(0, 0)
                       .contact(1, 0, "%I0.1")
                       .contact(1, 1, "%I0.2")
                       .link(1, 0)
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "LD   %I0.1", "OR   %I0.2", "ANDLD", "ST   %Q0.0", "EP"})},
        IlCase{"coil group",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .wires(1, 8, 0)
                       .coil(0, "%Q0.0")
                       .coil(1, "%Q0.1", "BON")
                       .leftLink(9, 0);
               },
               lines({"LD   %I0.0", "ST   %Q0.0", "STN  %Q0.1", "EP"})},
        IlCase{"timer in the middle of a row",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .wire(1, 0)
                       .vertical(2, 0, "TON", {"%T3", "10", "2", "1"})
                       .contact(3, 0, "%I0.1")
                       .wires(4, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "ST   %T3.E", "LD   %T3.Q", "AND  %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"bypass around a contact", // a branch of horizontal lines always conducts
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .wire(0, 1)
                       .link(0, 0)
                       .contact(1, 0, "%I0.1")
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   1", "AND  %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"byte comparison in series",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .vertical(1, 0, "CM3", {"%MB1", "%MB2"})
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "AND  [%MB1>=B%MB2]", "ST   %Q0.0", "EP"})},
        IlCase{"arithmetic box",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .vertical(9, 0, "SMB", {"%MB1", "5", "%MB2"}, 3)
                       .wires(1, 8, 0);
               },
               lines({"LD   %I0.0", "SMB  (%MB1,5,%MB2)", "EP"})},
        IlCase{"counter with count and reset rows",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .vertical(1, 0, "CUP", {"%C2", "7"})
                       .contact(0, 1, "%I0.1")
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "ST   %C2.CU", "LD   %C2.Q", "ST   %Q0.0", "LD   %I0.1",
                      "ST   %C2.R", "EP"})},
        // On the rail the timer's input is always on; before, its input was lost.
        IlCase{"timer on the rail",
               [](LogicBuilder& b) {
                   b.vertical(0, 0, "TON", {"%T3", "10", "2", "1"})
                       .contact(1, 0, "%I0.1")
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   1", "ST   %T3.E", "LD   %T3.Q", "AND  %I0.1", "ST   %Q0.0", "EP"})},
        IlCase{"counter reset from the rail",
               [](LogicBuilder& b) {
                   b.contact(0, 0, "%I0.0")
                       .vertical(1, 0, "CUP", {"%C2", "7"})
                       .wire(0, 1)
                       .wires(2, 8, 0)
                       .coil(0, "%Q0.0");
               },
               lines({"LD   %I0.0", "ST   %C2.CU", "LD   %C2.Q", "ST   %Q0.0", "LD   1",
                      "ST   %C2.R", "EP"})},
        IlCase{"empty logic", [](LogicBuilder&) {}, lines({"EP"})}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (auto& ch : n) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return n;
    });

TEST(InstructionList, CounterAddsItsConfigurationLinesOnce) {
    LogicBuilder b;
    b.contact(0, 0, "%I0.0")
        .vertical(1, 0, "CUP", {"%C2", "7"})
        .contact(0, 1, "%I0.1")
        .wires(2, 8, 0)
        .coil(0, "%Q0.0");
    CompileState state;
    TraduzLogica(b.logic, state);
    TraduzLogica(b.logic, state);
    EXPECT_EQ(state.configLines, std::vector<std::string>{"COUNTERP(2,7)"});
    EXPECT_EQ(state.counterLines, std::vector<std::string>{"COUNTER(2,CUP)"});
}

TEST(InstructionList, LadderJumpIsACompileError) {
    LogicBuilder b;
    b.logic.number = 4;
    b.contact(0, 0, "%I0.0").contact(1, 0, "%I0.1").wires(2, 7, 0);
    b.put(8, 0, test::cellText("JMP", '1', 8, {"3"})).put(9, 0, test::cellText("JMP", '2', 9));
    CompileState state;
    TraduzLogica(b.logic, state);
    ASSERT_EQ(state.errors.size(), 1u);
    EXPECT_EQ(state.errors[0].logic, 4);
    EXPECT_EQ(state.errors[0].message, kMsgTranslation);
}

TEST(InstructionList, ProgramJoinsLogicsWithoutEp) {
    ladder::TPrograma p;
    LogicBuilder a;
    a.contact(0, 0, "%I0.0").wires(1, 8, 0).coil(0, "%Q0.0");
    p.logic(1) = a.logic;
    ladder::InsereLogica(p, a.logic, 2);
    CompileState state;
    state.pools.nextEdge = 9;
    EXPECT_EQ(TraduzPrograma(p, state),
              lines({"LD   %I0.0", "ST   %Q0.0", "LD   %I0.0", "ST   %Q0.0"}));
    EXPECT_EQ(state.pools.nextEdge, 1); // the pools are reset first
}

TEST(InstructionList, TranslatingDoesNotChangeTheLogic) {
    LogicBuilder b;
    b.contact(0, 0, "%I0.0")
        .vertical(1, 0, "TON", {"%T1", "5", "1", "1"})
        .wires(2, 8, 0)
        .coil(0, "%Q0.0");
    const ladder::TLogica before = b.logic;
    CompileState state;
    TraduzLogica(b.logic, state);
    EXPECT_TRUE(ladder::LogicasIguais(before, b.logic));
}

} // namespace
} // namespace velmora::compiler

namespace velmora::compiler {
namespace {

// Eight rows of nine contacts joined at every column: more blocks than a network may hold.
TEST(InstructionList, TooManyBlocksIsAnErrorNotACrash) {
    LogicBuilder b;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 9; ++c) {
            b.contact(c, r, "%I0." + std::to_string(r));
            if (r < 7) {
                b.link(c, r);
            }
        }
    }
    b.coil(0, "%Q0.0");
    CompileState state;
    const std::string il = TraduzLogica(b.logic, state);
    ASSERT_FALSE(state.errors.empty()) << il;
    EXPECT_EQ(state.errors[0].message, kMsgTranslation);
    EXPECT_NE(state.errors[0].detail.find("50 blocks"), std::string::npos);
}

} // namespace
} // namespace velmora::compiler
