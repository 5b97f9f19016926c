#include "core/project/ladder_section.h"

#include "temp_dir.h"

#include "core/text/atomic_file.h"
#include "core/text/line_file.h"

#include <gtest/gtest.h>

namespace velmora::project {
namespace {

using ladder::TPrograma;

TEST(LadderSection, EmptyOneLogicProgramIsThreeLines) {
    TPrograma p;
    p.logic(1).setTitle("Partida");
    p.setName("Principal");
    const auto out = writeLadderSection(p);
    const std::vector<std::string> expected = {"00199Partida", "00198Principal", "00198Principal"};
    EXPECT_EQ(out.lines, expected);
    EXPECT_TRUE(out.dropped.empty());

    TPrograma back;
    readLadderSection(back, out.lines);
    EXPECT_EQ(back.count(), 1);
    EXPECT_EQ(back.logic(1).title, "Partida");
    EXPECT_EQ(back.name, "Principal");
}

TEST(LadderSection, CellLinesRowByRowThenTitleThenComment) {
    TPrograma p;
    ladder::setLogicCount(p, 2);
    p.logic(1).cell(3, 2).set("CNA1001000#%I0.1");
    p.logic(1).cell(0, 0).set("I000");
    p.logic(1).cell(19, 0).set("BOB1001000#%Q0.1");
    p.logic(1).cell(20, 0).set("N000"); // storage column 20 is never written
    p.logic(2).setComment("a\r\nb");
    p.setName("P");
    const std::vector<std::string> expected = {"0010000I000",
                                               "0010019BOB1001000#%Q0.1",
                                               "0010203CNA1001000#%I0.1",
                                               "00199",
                                               "00299",
                                               "00297a",
                                               "00297b",
                                               "00198P",
                                               "00198P"};
    EXPECT_EQ(writeLadderSection(p).lines, expected);

    TPrograma back;
    readLadderSection(back, expected);
    EXPECT_EQ(back.count(), 2);
    EXPECT_EQ(back.logic(1).cell(3, 2).text, "CNA1001000#%I0.1");
    EXPECT_EQ(back.logic(1).cell(19, 0).text, "BOB1001000#%Q0.1");
    EXPECT_TRUE(back.logic(1).cell(20, 0).empty());
    EXPECT_EQ(back.logic(2).comment, "a\r\nb");
    EXPECT_EQ(back.logic(2).number, 2);
}

TEST(LadderSection, CommentsWithEmptyLinesComeBackWhole) {
    for (const std::string comment : {"\r\nsecond", "\r\n", "a\r\n\r\nb", "a\r\n", "x"}) {
        SCOPED_TRACE(comment);
        TPrograma p;
        p.logic(1).setComment(comment);
        TPrograma back;
        readLadderSection(back, writeLadderSection(p).lines);
        EXPECT_EQ(back.logic(1).comment, comment);
    }
}

TEST(LadderSection, ALaterLogicGrowsTheProgram) {
    TPrograma p;
    p.slot = 7;
    readLadderSection(p, {"00199first", "0050001CNA1001000#%I0.0", "00198N", "00198N"});
    EXPECT_EQ(p.count(), 5);
    EXPECT_EQ(p.slot, 7); // the reader keeps the slot
    for (int q = 1; q <= 5; ++q) {
        EXPECT_EQ(p.logic(q).number, q);
    }
    EXPECT_EQ(p.logic(5).cell(1, 0).text, "CNA1001000#%I0.0");
    EXPECT_TRUE(p.logic(3).title.empty());
}

TEST(LadderSection, LinesOutsideTheGridOrUnreadableAreSkipped) {
    const std::vector<std::string> bad = {
        "0011100CNA1001000#%I0.0", // row 11
        "0019600CNA1001000#%I0.0", // row 96
        "0010020N000",             // storage column 20
        "0010025CNA1001000",       // column 25
        "0000000CNA1001000",       // logic 0
        "-010000CNA1001000",       // negative logic
        "0-10000CNA1001000",
        "00100-1CNA1001000",
        "abc0000CNA1001000",
        "001",
        "0010",
        "00100",  // a cell line without a column
        "001000", // likewise
        "00195x",
        "0019 title",
    };
    for (const auto& line : bad) {
        SCOPED_TRACE(line);
        TPrograma p;
        const auto result = readLadderSection(p, {line, "00198last"});
        EXPECT_EQ(result.skippedLines, 1);
        EXPECT_EQ(p.count(), 1);
        TPrograma empty;
        EXPECT_TRUE(ladder::LogicasIguais(p.logic(1), empty.logic(1)));
        EXPECT_TRUE(p.logic(1).title.empty());
    }
}

TEST(LadderSection, SectionIgnoresItsLastLineProgramFileDoesNot) {
    const std::vector<std::string> lines = {"00199T", "00198Name"};
    TPrograma p;
    readLadderSection(p, lines);
    EXPECT_EQ(p.name, "");
    readLadderSection(p, lines, LadderReadOptions{false, "File"});
    EXPECT_EQ(p.name, "Name");
    readLadderSection(p, {"00199T"}, LadderReadOptions{false, "File"});
    EXPECT_EQ(p.name, "File");
}

TEST(LadderSection, CapacitiesApplyOnRead) {
    TPrograma p;
    const std::string longText(300, 'x');
    readLadderSection(p, {"00199" + longText, "00198" + longText, "0010001" + longText,
                          "00197" + longText, "00197more", "end"});
    EXPECT_EQ(p.logic(1).title.size(), ladder::kTitleCapacity);
    EXPECT_EQ(p.name.size(), ladder::kProgramNameCapacity);
    EXPECT_EQ(p.logic(1).cell(1, 0).text.size(), ladder::kCellCapacity);
    EXPECT_EQ(p.logic(1).comment, longText.substr(0, ladder::kCommentCapacity));
}

TEST(LadderSection, TimersAndCountersAreListedForRegistration) {
    TPrograma p;
    const auto result =
        readLadderSection(p, {"0010001TON1001000#%T1#10#1#1", "0010101TON2001000",
                              "0010003TPP1001000#%T2# #1#1", "0010005CUD1001000#%C1#5",
                              "0010007CNA1001000#%I0.0", "0020001CDO1001000#%C2#1", "00198"});
    EXPECT_EQ(result.timerCells, (std::vector<std::string>{"TON1001000#%T1#10#1#1", "TON2001000",
                                                           "TPP1001000#%T2# #1#1"}));
    EXPECT_EQ(result.counterCells,
              (std::vector<std::string>{"CUD1001000#%C1#5", "CDO1001000#%C2#1"}));
}

TEST(LadderSection, UnprintableCellsAreDroppedAndListed) {
    TPrograma p;
    ladder::setLogicCount(p, 3);
    p.logic(1).cell(1, 0).set("CNA1001000#%I0.0");
    p.logic(2).cell(3, 1).set("OPR1001000#A\xE7\xE3o");
    p.logic(3).cell(5, 4).set("CNA1001000#\x7F");
    p.logic(3).cell(7, 4).set("CNA1001000#\t");
    const auto out = writeLadderSection(p);
    const std::vector<DroppedCell> expected = {{2, 1, 3}, {3, 4, 5}, {3, 4, 7}};
    EXPECT_EQ(out.dropped, expected);
    for (const auto& line : out.lines) {
        EXPECT_EQ(line.find("OPR"), std::string::npos);
    }
    EXPECT_TRUE(storableCellText("CNA1001000#%I0.0 ~"));
    EXPECT_FALSE(storableCellText("OPR1001000#A\xE7"));
    EXPECT_FALSE(storableCellText("CNA\x7F"));
    EXPECT_FALSE(storableCellText("CNA\t"));
    removeDroppedCells(p, out.dropped);
    EXPECT_TRUE(p.logic(2).cell(3, 1).empty());
    EXPECT_TRUE(p.logic(3).cell(5, 4).empty());
    EXPECT_FALSE(p.logic(1).cell(1, 0).empty());
}

TEST(ProgramFile, WrittenPlainAndReadBack) {
    test::TempDir dir;
    TPrograma p;
    ladder::setLogicCount(p, 2);
    p.logic(2).cell(1, 1).set("JMP1001000#1");
    p.logic(1).setTitle("t\x01"); // a control character never splits the file's lines
    p.setName("SUB1");
    const auto path = dir / "Sub1.VLM";
    ASSERT_TRUE(GravaArquivoPrograma(path, p));
    const auto lines = text::readLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"00199t ", "0020101JMP1001000#1", "00299",
                                                "00198SUB1", "00198SUB1"}));

    TPrograma back;
    back.slot = 4;
    ASSERT_TRUE(LeArquivoPrograma(path, back));
    EXPECT_EQ(back.count(), 2);
    EXPECT_EQ(back.name, "SUB1");
    EXPECT_EQ(back.slot, 4);
    EXPECT_EQ(back.logic(2).cell(1, 1).text, "JMP1001000#1");
}

TEST(ProgramFile, NameFromTheFileWhenNoNameLine) {
    test::TempDir dir;
    const auto path = dir / "motores.Vlm";
    ASSERT_TRUE(text::writeLinesAtomic(path, {"00199T"}));
    TPrograma p;
    ASSERT_TRUE(LeArquivoPrograma(path, p));
    EXPECT_EQ(p.name, "motores");
    EXPECT_TRUE(isProgramFileName(path));
    EXPECT_FALSE(isProgramFileName(dir / "motores.vlp"));
}

TEST(ProgramFile, MissingFileIsReportedAndChangesNothing) {
    test::TempDir dir;
    TPrograma p;
    p.setName("keep");
    EXPECT_FALSE(LeArquivoPrograma(dir / "none.vlm", p));
    EXPECT_EQ(p.name, "keep");
    EXPECT_FALSE(GravaArquivoPrograma(dir / "no" / "such" / "x.vlm", p));
}

} // namespace
} // namespace velmora::project
