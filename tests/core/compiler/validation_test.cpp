// The commit check of a logic: normalisation, the validation codes with their messages, the
// compaction of the coil column.
#include "core/compiler/validation.h"
#include "core/ladder/catalogue.h"
#include "core/lang/language_file.h"
#include "ladder_builder.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace velmora::compiler {
namespace {

using test::cellText;
using test::LogicBuilder;

Language shippedLanguage() {
    Language language;
    CarregaIdiomas(std::string(VELMORA_DATA_DIR) + "/ConfigIdiomas.txt", language.table);
    return language;
}

// A contact feeding a coil through lines: the accepted base the cases below break.
LogicBuilder rung(int r = 0) {
    LogicBuilder b;
    b.contact(0, r, "%I0.0").wires(1, 8, r).coil(r, "%Q0.0");
    return b;
}

// A fresh element of `code` at column 2 of row 0, fed by a contact and followed by lines and a
// coil when it passes current on.
LogicBuilder freshElement(std::string_view code, int column = 2) {
    const ladder::ElementKind* kind = ladder::findElement(code);
    LogicBuilder b;
    b.contact(0, 0, "%I0.0").wires(1, column - 1, 0);
    for (const auto& cell : ladder::elementCells(*kind, column, 0)) {
        b.logic.cell(cell.storageColumn, cell.row).set(cell.text);
    }
    return b;
}

struct CodeCase {
    const char* name;
    LogicBuilder logic;
    int code;
    int message;
};

class ValidationCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ValidationCodes, CodeAndMessage) {
    const CodeCase& c = GetParam();
    EXPECT_EQ(VerificaLogica(c.logic.logic), c.code);
    EXPECT_EQ(validationMessage(c.code), c.message);

    const Language language = shippedLanguage();
    velmora::test::ScriptedPrompts prompts;
    ladder::TLogica copy = c.logic.logic;
    bool hidden = false;
    EXPECT_EQ(ValidaLogica(copy, language, prompts, [&] { hidden = true; }), c.code == 0);
    EXPECT_TRUE(hidden);
    if (c.message == 0) {
        EXPECT_TRUE(prompts.shown.empty());
    } else {
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Error);
        EXPECT_EQ(prompts.shown[0].text, language.text(c.message));
    }
}

std::vector<CodeCase> codeCases() {
    std::vector<CodeCase> v;
    v.push_back({"accepted", rung(), 0, 0});
    v.push_back({"empty", LogicBuilder(), 3, 0});
    {
        auto b = rung();
        b.contact(0, 0, "%");
        v.push_back({"contact_percent", b, 1, 226});
    }
    {
        auto b = rung();
        b.coil(0, "% ");
        v.push_back({"coil_placeholder", b, 1, 226});
    }
    {
        LogicBuilder b;
        b.contact(0, 0, "%I0.0");
        v.push_back({"contact_without_coil", b, 2, 227});
    }
    {
        LogicBuilder b;
        b.coil(0, "%Q0.0");
        v.push_back({"coil_with_empty_column_8", b, 2, 227});
    }
    {
        LogicBuilder b;
        b.wires(0, 8, 0).coil(0, "%Q0.0");
        v.push_back({"coil_behind_line", b, 0, 0});
    }
    {
        LogicBuilder b;
        b.contact(0, 0, "%I0.0").wires(1, 8, 0).coil(0, "%Q0.0");
        b.contact(0, 1, "%I0.1").link(0, 0); // parallel contact joined on its right
        v.push_back({"parallel_contact", b, 0, 0});
    }
    {
        // Up counter: CU from a contact, R row with nothing on its left.
        LogicBuilder b;
        b.contact(0, 0, "%I0.0").vertical(1, 0, "CUP", {"%C1", "10"}).wires(2, 8, 0);
        b.coil(0, "%Q0.0");
        v.push_back({"counter_reset_unconnected", b, 4, 228});
    }
    {
        LogicBuilder b;
        b.contact(0, 0, "%I0.0").vertical(1, 0, "CUP", {"%C1", "10"}).wires(2, 8, 0);
        b.coil(0, "%Q0.0").contact(0, 1, "%I0.1");
        v.push_back({"counter_reset_connected", b, 0, 0});
    }
    // Fresh placeholders of every kind that carries one.
    v.push_back({"ton_placeholder", freshElement("TON"), 1, 226});
    v.push_back({"cud_placeholder", freshElement("CUD"), 1, 226});
    v.push_back({"crp_placeholder", freshElement("CRP"), 1, 226});
    v.push_back({"pid_placeholder", freshElement("PID"), 1, 226});
    v.push_back({"sml_placeholder", freshElement("SML"), 1, 226});
    v.push_back({"dvl_placeholder", freshElement("DVL"), 1, 226});
    v.push_back({"opr_placeholder", freshElement("OPR"), 1, 226});
    v.push_back({"cal_placeholder", freshElement("CAL"), 1, 226});
    v.push_back({"jmp_placeholder", freshElement("JMP"), 1, 226});
    {
        auto b = freshElement("TON");
        b.put(2, 0, cellText("TON", '1', 2, {"T", "10", "1", "1"}));
        v.push_back({"ton_prefix_without_number", b, 1, 226});
    }
    {
        auto b = freshElement("TON");
        b.put(2, 0, cellText("TON", '1', 2, {"%T5", " ", "1", "1"}));
        v.push_back({"ton_without_preset", b, 1, 226});
    }
    {
        auto b = freshElement("PID");
        b.put(2, 0,
              cellText(
                  "PID", '1', 2,
                  {"PID1", "0", "0", "0", "0", "0", "255", "%MW1", "0", "255", "%", "0", "4095"}));
        v.push_back({"pid_without_control_variable", b, 1, 226});
    }
    {
        // A filled word move with nothing on its left.
        LogicBuilder b;
        b.vertical(3, 0, "MWW", {"%MW1", "%MW2"});
        v.push_back({"move_unconnected", b, 2, 227});
    }
    for (const char* code : {"MBB", "MP3", "SML", "CUD", "CRP", "OPR", "CAL"}) {
        // Filled, standing alone in column 4.
        const ladder::ElementKind* kind = ladder::findElement(code);
        LogicBuilder b;
        for (const auto& cell : ladder::elementCells(*kind, 4, 0)) {
            b.logic.cell(cell.storageColumn, cell.row).set(cell.text);
        }
        std::string& first = b.logic.element(4, 0).text;
        for (std::size_t k = 1; k <= kind->fieldSpecs.size(); ++k) {
            first = ladder::TrocaCampo(first, static_cast<int>(k), "%MW" + std::to_string(k));
        }
        v.push_back({code, b, 2, 227});
    }
    {
        auto b = rung();
        b.coil(0, "%Q0.0").put(8, 0, ""); // gap before the coil
        v.push_back({"line_gap", b, 2, 227});
    }
    {
        // A horizontal line in the coil column has nothing on its right.
        LogicBuilder b;
        b.contact(0, 0, "%I0.0").wires(1, 9, 0);
        v.push_back({"line_in_column_9", b, 2, 227});
    }
    return v;
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidationCodes, ::testing::ValuesIn(codeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Validation, CheckNamesTheCell) {
    LogicBuilder b = rung();
    b.contact(0, 1, "%I0.1").wires(1, 3, 1).contact(4, 1, "%");
    EXPECT_EQ(checkLogic(b.logic), (LogicCheck{1, 4, 1}));
}

TEST(Validation, VerifyChangesNothing) {
    LogicBuilder b;
    b.wires(0, 1, 3).contact(2, 3, "%I0.0").wires(3, 8, 3).coil(3, "%Q0.0");
    const ladder::TLogica before = b.logic;
    VerificaLogica(b.logic);
    EXPECT_TRUE(ladder::LogicasIguais(b.logic, before));
}

struct NormaliseCase {
    const char* name;
    int row;
    bool linkOnLeft;
    bool moves;
};

class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, ContactMovesOneColumn) {
    const NormaliseCase& c = GetParam();
    LogicBuilder b;
    b.wires(0, 1, c.row).contact(2, c.row, "%I0.0").wires(3, 8, c.row).coil(c.row, "%Q0.0");
    if (c.linkOnLeft) {
        b.leftLink(2, c.row - 1);
    }
    const std::string contact = b.logic.element(2, c.row).text;
    NormalizaContatos(b.logic);
    if (c.moves) {
        EXPECT_EQ(b.logic.element(1, c.row).text, contact);
        EXPECT_EQ(b.logic.element(2, c.row).text, "CRT0001010");
        EXPECT_EQ(b.logic.element(0, c.row).text, cellText("CRT", '1', 0)); // one column per pass
    } else {
        EXPECT_EQ(b.logic.element(2, c.row).text, contact);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Normalise,
                         ::testing::Values(NormaliseCase{"row0_stays", 0, false, false},
                                           NormaliseCase{"row3_moves", 3, false, true},
                                           NormaliseCase{"under_link_stays", 3, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Compaction, CoilsJoinedByLinksCloseUp) {
    // Coils in rows 0 and 2 on one node: links join rows 0, 1 and 2 left of the coil column.
    LogicBuilder b = rung();
    b.coil(2, "%Q0.1").leftLink(9, 0).leftLink(9, 1);
    EXPECT_TRUE(CompactaUltimaColuna(b.logic));
    EXPECT_EQ(b.logic.element(9, 1).text, cellText("BOB", '1', 9, {"%Q0.1"}));
    EXPECT_TRUE(b.logic.element(9, 2).empty());
    EXPECT_EQ(b.logic.element(9, 0).text, cellText("BOB", '1', 9, {"%Q0.0"}));
}

TEST(Compaction, ValidatedLogicIsStoredCompacted) {
    LogicBuilder b = rung();
    b.coil(2, "%Q0.1").leftLink(9, 0).leftLink(9, 1);
    const Language language = shippedLanguage();
    velmora::test::ScriptedPrompts prompts;
    ASSERT_TRUE(ValidaLogica(b.logic, language, prompts));
    EXPECT_FALSE(b.logic.element(9, 1).empty());
    EXPECT_TRUE(b.logic.element(9, 2).empty());
}

TEST(Compaction, CoilOnItsOwnRungStays) {
    // A timer over rows 0 and 1 with its coil in row 0, a second rung in row 2: moving the
    // row 2 coil up would hang it on the timer's reset row.
    LogicBuilder b;
    b.contact(0, 0, "%I0.0").vertical(1, 0, "TON", {"%T1", "10", "1", "1"});
    b.wires(2, 8, 0).coil(0, "%Q0.0");
    b.contact(0, 2, "%I0.2").wires(1, 8, 2).coil(2, "%Q0.2");
    const ladder::TLogica before = b.logic;
    EXPECT_FALSE(CompactaUltimaColuna(b.logic));
    EXPECT_TRUE(ladder::LogicasIguais(b.logic, before));

    const Language language = shippedLanguage();
    velmora::test::ScriptedPrompts prompts;
    EXPECT_TRUE(ValidaLogica(b.logic, language, prompts));
    EXPECT_TRUE(ladder::LogicasIguais(b.logic, before));
}

TEST(Compaction, FullColumnUntouched) {
    LogicBuilder b = rung();
    const ladder::TLogica before = b.logic;
    EXPECT_FALSE(CompactaUltimaColuna(b.logic));
    EXPECT_TRUE(ladder::LogicasIguais(b.logic, before));
}

TEST(Validator, EditorSessionStoresOnlyAcceptedLogics) {
    const Language language = shippedLanguage();
    velmora::test::ScriptedPrompts prompts;
    ladder::EditorSession session;
    session.program.logic(1) = rung().logic;
    session.program.logic(1).number = 1;
    ASSERT_TRUE(session.AbreLogica(1));
    session.workingCopy.element(0, 0).set(cellText("CNA", '1', 0, {"%"}));
    const auto validator = logicValidator(language, prompts);
    session.ConfirmaLogica(validator);
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{language.text(226)});
    session.workingCopy.element(0, 0).set(cellText("CNA", '1', 0, {"%I0.5"}));
    session.ConfirmaLogica(validator);
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(session.program.logic(1).element(0, 0).text, cellText("CNA", '1', 0, {"%I0.5"}));
}

} // namespace
} // namespace velmora::compiler
