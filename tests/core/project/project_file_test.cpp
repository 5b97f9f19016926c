#include "core/project/project_file.h"

#include "temp_dir.h"

#include "core/text/atomic_file.h"
#include "core/text/line_file.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmora::project {
namespace {

using ladder::TPrograma;

// The scrambled form written independently of the code under test: byte at position p
// (from 1) plus p mod 10.
std::string handScrambled(const std::vector<std::string>& plain) {
    std::string bytes;
    for (const auto& line : plain) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            const unsigned b = static_cast<unsigned char>(line[i]);
            bytes += static_cast<char>((b + (i + 1) % 10) % 256);
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::string plainBytes(const std::vector<std::string>& plain) {
    std::string bytes;
    for (const auto& line : plain) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// A small project as the file form defines it, line by line.
std::vector<std::string> handWrittenProject() {
    return {
        "#",
        "#CONFIGGERAL",
        "TIPO = LD",
        "MODELO = ZT 320",
        "VERSAO = 1",
        "ENDERECO CLP_RS232 = 3",
        "ENDERECO CLP_RS485 = 4",
        "TIPO PROTOCOLO_RS232 = 2",
        "TIPO PROTOCOLO_RS485 = 1",
        "BAUDRATE_RS232 = 6",
        "BAUDRATE_RS485 = 7",
        "SENHA 1 = 1234",
        "SENHA 2 = 0000",
        "SENHA 3 = 9876",
        "CONFIGENVIOPARTEMP = 1",
        "#",
        "#LADDER",
        "0010001CNA1001010#%I0.0",
        "0010002I000",
        "0010019BOB1001000#%Q0.0",
        "0010101CNA1001010#%I0.1",
        "00199\xFA"
        "Partida do motor", // byte 250 at position 6: stored as byte 0
        "00197Liga a bomba",
        "00197Desliga no nivel",
        "0020001TON1001010#%T1#50#2#1",
        "0020019BOB1001000#%Q0.1",
        "0020101TON2001010",
        "00299Temporizador",
        "00198Principal",
        "00198Principal",
        "#",
        "#IHM",
        "OBJECT PROG_IHM : tprog_ihm",
        "  QTDE_CAMPO = 0",
        "END",
        "#",
        "#TABSIMB",
        "%I0.0;PARTIDA;botao verde",
        "%Q0.0;MOTOR;",
        "#",
        "#TABSTR",
        "0;LIGADO",
        "1;DESLIGADO",
        "#",
        "#TABREC",
        "%MW10;%MW11;",
        "100;200;",
        "#",
        "#TABCOMP",
        "Read holding register;1;0010;0020;0005;0001",
        "#",
    };
}

struct Fixture : ::testing::Test {
    test::TempDir dir;

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto path = dir / name;
        EXPECT_TRUE(text::writeFileAtomic(path, bytes));
        return path;
    }
    static std::string read(const std::filesystem::path& path) {
        return text::readFileBytes(path).value_or("<missing>");
    }
};

using ProjectFile = Fixture;

TEST_F(ProjectFile, HandWrittenScrambledFileReadsAndWritesBackIdentical) {
    const std::string bytes = handScrambled(handWrittenProject());
    ASSERT_NE(bytes.find('\0'), std::string::npos); // the byte 0 is really there
    const auto path = write("obra.vlp", bytes);

    Project project;
    TPrograma edited;
    const auto loaded = CarregaProjeto(path, project, edited);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.layout, FileLayout::Scrambled);
    EXPECT_TRUE(loaded.notices.empty());

    EXPECT_EQ(project.record.name, "obra");
    EXPECT_EQ(project.record.location, dir.path());
    EXPECT_EQ(project.record.model, "ZT 320");
    EXPECT_EQ(project.record.config.baudRS485, 7);
    EXPECT_EQ(project.record.config.senhas[2], "9876");
    EXPECT_EQ(project.record.config.envioParcial, 1);
    EXPECT_EQ(edited.count(), 2);
    EXPECT_EQ(edited.slot, 1);
    EXPECT_EQ(edited.name, "Principal");
    EXPECT_EQ(edited.logic(1).title, "\xFA"
                                     "Partida do motor");
    EXPECT_EQ(edited.logic(1).comment, "Liga a bomba\r\nDesliga no nivel");
    EXPECT_EQ(edited.logic(2).cell(1, 1).text, "TON2001010");
    EXPECT_EQ(project.record.program(1).logic(2).title, "Temporizador");
    EXPECT_EQ(loaded.ladder.timerCells.size(), 2u);
    EXPECT_EQ(project.record.hmiLines.size(), 3u);
    EXPECT_EQ(tables::SimboloDoEndereco(project.symbols, "%I0.0"), "PARTIDA");
    EXPECT_EQ(project.hmiStrings.texts, (std::vector<std::string>{"LIGADO", "DESLIGADO"}));
    EXPECT_EQ(project.recipes.cell(1, 1), "200");
    EXPECT_EQ(comm::NumeroEntradasCompartilhamento(project.sharing), 1);

    const auto copy = dir / "copia.vlp";
    ASSERT_TRUE(SalvaProjeto(copy, project, edited).ok);
    EXPECT_EQ(read(copy), bytes);
}

TEST_F(ProjectFile, PlainAndScrambledFormsLoadTheSame) {
    const auto scrambled = write("a.vlp", handScrambled(handWrittenProject()));
    const auto plain = write("b.vlp", plainBytes(handWrittenProject()));
    Project p1, p2;
    TPrograma e1, e2;
    ASSERT_TRUE(CarregaProjeto(scrambled, p1, e1).ok);
    const auto r2 = CarregaProjeto(plain, p2, e2);
    ASSERT_TRUE(r2.ok);
    EXPECT_EQ(r2.layout, FileLayout::Plain);
    // Written back, both give the same bytes.
    ASSERT_TRUE(SalvaProjeto(dir / "a2.vlp", p1, e1));
    ASSERT_TRUE(SalvaProjeto(dir / "b2.vlp", p2, e2));
    EXPECT_EQ(read(dir / "a2.vlp"), read(dir / "b2.vlp"));
    EXPECT_EQ(read(dir / "a2.vlp"), read(scrambled));
}

TEST_F(ProjectFile, ConvertToPlainWritesTheUnscrambledText) {
    const auto path = write("a.vlp", handScrambled(handWrittenProject()));
    Project p;
    TPrograma e;
    ASSERT_TRUE(CarregaProjeto(path, p, e));
    SaveOptions options;
    options.scrambled = false;
    ASSERT_TRUE(SalvaProjeto(dir / "plain.vlp", p, e, options));
    EXPECT_EQ(read(dir / "plain.vlp"), plainBytes(handWrittenProject()));
    EXPECT_EQ(plainProjectText(read(path)), handWrittenProject());
}

// The state a failed open must leave alone.
void giveSomeState(Project& project, TPrograma& edited) {
    project.record.name = "open";
    project.record.modified = true;
    project.symbols.rows = {{"%M1", "KEEP", ""}, {}};
    edited.setName("still here");
    edited.logic(1).cell(1, 0).set("CNA1001010#%I0.0");
}

TEST_F(ProjectFile, DamagedOrUnreadableFileLoadsNothing) {
    auto truncated = handWrittenProject();
    truncated.resize(truncated.size() - 6); // the end of #TABREC and all after it are gone
    struct Case {
        std::string name;
        std::optional<std::string> bytes; // nullopt: no file
        int message;
    };
    const std::vector<Case> cases = {
        {"truncated.vlp", handScrambled(truncated), kMsgFileDamaged},
        {"truncated-plain.vlp", plainBytes(truncated), kMsgFileDamaged},
        {"missing.vlp", std::nullopt, kMsgFileCannotRead},
        {"garbage.vlp", std::string("\x01\x02garbage\r\nmore"), kMsgNotAProject},
        {"empty.vlp", std::string(), kMsgNotAProject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = c.bytes ? write(c.name, *c.bytes) : dir / c.name;
        Project project;
        TPrograma edited;
        giveSomeState(project, edited);
        const auto result = CarregaProjeto(path, project, edited);
        EXPECT_FALSE(result.ok);
        ASSERT_EQ(result.notices.size(), 1u);
        EXPECT_EQ(result.notices[0].message, c.message);
        EXPECT_EQ(result.notices[0].kind, Prompts::Kind::Error);
        EXPECT_EQ(project.record.name, "open");
        EXPECT_TRUE(project.record.modified);
        EXPECT_EQ(project.symbols.rows[0].symbol, "KEEP");
        EXPECT_EQ(edited.name, "still here");
        if (c.bytes) {
            EXPECT_EQ(read(path), *c.bytes); // the file is not touched
        }
    }
}

TEST_F(ProjectFile, DamagedNoticeNamesFileAndSection) {
    auto truncated = handWrittenProject();
    truncated.pop_back();
    const auto path = write("t.vlp", plainBytes(truncated));
    Project project;
    TPrograma edited;
    const auto result = CarregaProjeto(path, project, edited);
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].arguments, pathArgument(path) + ";#TABCOMP");

    LanguageTable table;
    table.rows.assign(470, {"", "", ""});
    table.rows[0] = {"", "", "Portugu\xEAs"};
    table.rows[kMsgFileDamaged] = {"461", "", "Arquivo [0] danificado na se\xE7\xE3o [1]."};
    Language language;
    language.table = table;
    test::ScriptedPrompts prompts;
    showReport(result, language, prompts);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].text,
              "Arquivo " + pathArgument(path) + " danificado na se\xE7\xE3o #TABCOMP.");
}

TEST_F(ProjectFile, FailedSaveKeepsTheOldFileAndTheProjectState) {
    // A name so long that no temporary file can be made beside it: the write fails after the
    // old file exists (this works whatever the user's rights, root included).
    const std::string longName = std::string(246, 'a') + ".vlp";
    const auto path = dir / longName;
    {
        std::ofstream out(path, std::ios::binary);
        out << handScrambled(handWrittenProject());
    }
    Project project;
    TPrograma edited;
    ASSERT_TRUE(CarregaProjeto(path, project, edited));
    const std::string before = read(path);
    project.record.modified = true;
    edited.logic(1).setTitle("changed");
    edited.logic(2).cell(3, 3).set("CNA1001000#\xE7"); // would be dropped by a save

    bool called = false;
    SaveOptions options;
    options.onSaved = [&](const std::filesystem::path&) { called = true; };
    const auto report = SalvaProjeto(path, project, edited, options);

    EXPECT_FALSE(report.ok);
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(report.notices[0].message, kMsgFileCannotWrite);
    EXPECT_EQ(report.notices[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(read(path), before);
    EXPECT_TRUE(project.record.modified);
    EXPECT_FALSE(called);
    EXPECT_FALSE(edited.logic(2).cell(3, 3).empty());
    EXPECT_NE(project.record.program(1).logic(1).title, "changed");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename().string().rfind(".a", 0), std::string::npos)
            << "temporary file left behind";
    }
}

TEST_F(ProjectFile, SuccessfulSaveMarksHistoryClearsModifiedAndReportsDroppedCells) {
    Project project;
    project.record.name = "obra";
    project.record.location = dir.path();
    project.record.modified = true;
    const std::string history(3 * 96, '\0');
    write("obra.hdw", history);
    TPrograma edited;
    edited.slot = 1;
    ladder::setLogicCount(edited, 3);
    edited.logic(1).cell(1, 0).set("CNA1001010#%I0.0");
    edited.logic(3).cell(1, 2).set("CNA1001010#%I\xE7");
    edited.logic(3).cell(3, 4).set("CNA1001000#\x1F");

    std::vector<std::filesystem::path> saved;
    SaveOptions options;
    options.onSaved = [&](const std::filesystem::path& p) { saved.push_back(p); };
    const auto report = SalvaProjeto(project.record.filePath(), project, edited, options);
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(saved, std::vector<std::filesystem::path>{project.record.filePath()});
    EXPECT_FALSE(project.record.modified);
    const std::string marked = read(dir / "obra.hdw");
    ASSERT_EQ(marked.size(), history.size());
    for (std::size_t i = 0; i < marked.size(); ++i) {
        EXPECT_EQ(marked[i], i % 96 == 0 ? '\x01' : '\0') << i;
    }
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_EQ(report.notices[0].kind, Prompts::Kind::Warning);
    EXPECT_EQ(report.notices[0].message, kMsgCellsDropped);
    EXPECT_EQ(report.notices[0].arguments, "3;(2,1) (4,3)");
    EXPECT_TRUE(edited.logic(3).cell(1, 2).empty());
    EXPECT_TRUE(project.record.program(1).logic(3).cell(3, 4).empty());
    EXPECT_EQ(project.record.program(1).logic(1).cell(1, 0).text, "CNA1001010#%I0.0");

    // Not modified: the history stays as it is.
    write("obra.hdw", history);
    ASSERT_TRUE(SalvaProjeto(project.record.filePath(), project, edited));
    EXPECT_EQ(read(dir / "obra.hdw"), history);
}

TEST_F(ProjectFile, HistoryMarkingTouchesOnlyWholeRecords) {
    std::string history(2 * 96 + 10, '\x07');
    write("h.hdw", history);
    ASSERT_TRUE(markDownloadHistory(dir / "h.hdw"));
    history[0] = history[96] = '\x01';
    EXPECT_EQ(read(dir / "h.hdw"), history);
    ASSERT_TRUE(markDownloadHistory(dir / "missing.hdw"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.hdw"));
}

TEST_F(ProjectFile, TrailingBlankLinesAfterTheLastMarkAreNoDamage) {
    const auto path = write("b.vlp", plainBytes(handWrittenProject()) + "\r\n\r\n");
    Project project;
    TPrograma edited;
    EXPECT_TRUE(CarregaProjeto(path, project, edited).ok);
}

TEST_F(ProjectFile, EmptyProjectIsEverySectionAndTheThreeLadderLines) {
    Project project;
    TPrograma edited;
    SaveOptions options;
    options.scrambled = false;
    ASSERT_TRUE(SalvaProjeto(dir / "novo.vlp", project, edited, options));
    auto expected = std::vector<std::string>{"#", "#CONFIGGERAL"};
    const auto config = LinhasConfigGeral({"LD", "ZT640", configGeralPadrao()});
    expected.insert(expected.end(), config.begin(), config.end());
    for (const std::string line :
         {"#", "#LADDER", "00199", "00198", "00198", "#", "#IHM", "#", "#TABSIMB", "#", "#TABSTR",
          "#", "#TABREC", "#", "#TABCOMP", ";;;;;", "#"}) {
        expected.push_back(line);
    }
    EXPECT_EQ(read(dir / "novo.vlp"), plainBytes(expected));
}

TEST_F(ProjectFile, ForeignSectionsAreKeptAndWrittenAfterTheKnownOnes) {
    auto lines = handWrittenProject();
    // A section of another name between #LADDER and #IHM, one at the end, and #TABSTR twice.
    const auto ihm = std::find(lines.begin(), lines.end(), "#IHM") - 1;
    lines.insert(ihm, {"#", "#FUTURO", "x=1", "y=2"});
    lines.insert(lines.end() - 1, {"#", "#TABSTR", "2;TERCEIRO", "#", "#OUTRA"});
    const auto path = write("f.vlp", plainBytes(lines));
    Project project;
    TPrograma edited;
    ASSERT_TRUE(CarregaProjeto(path, project, edited));
    EXPECT_EQ(project.hmiStrings.texts,
              (std::vector<std::string>{"LIGADO", "DESLIGADO", "TERCEIRO"}));
    ASSERT_EQ(project.foreignSections.size(), 2u);
    EXPECT_EQ(project.foreignSections[0], (ForeignSection{"#FUTURO", {"x=1", "y=2"}}));
    EXPECT_EQ(project.foreignSections[1], (ForeignSection{"#OUTRA", {}}));

    SaveOptions options;
    options.scrambled = false;
    ASSERT_TRUE(SalvaProjeto(dir / "g.vlp", project, edited, options));
    auto written = text::splitLines(read(dir / "g.vlp"));
    const std::vector<std::string> tail(written.end() - 7, written.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"#", "#FUTURO", "x=1", "y=2", "#", "#OUTRA", "#"}));
}

TEST_F(ProjectFile, MissingSectionsLeaveEmptyTablesAndProgram) {
    const auto path = write("Min.VLP", plainBytes({"#", "#CONFIGGERAL", "MODELO = Pelta", "#"}));
    Project project;
    project.symbols.rows = {{"%M1", "OLD", ""}};
    TPrograma edited;
    edited.setName("old");
    const auto result = CarregaProjeto(path, project, edited);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(project.record.name, "Min");
    EXPECT_EQ(project.record.model, "Pelta");
    EXPECT_EQ(project.record.kind, "LD");
    EXPECT_EQ(project.record.config, configGeralPadrao());
    EXPECT_EQ(project.symbols, tables::SymbolTable{});
    EXPECT_EQ(project.recipes, tables::RecipeGrid{});
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.name, "");
    EXPECT_TRUE(isProjectFileName(path));
}

TEST_F(ProjectFile, RecipeSectionEmptyWhenTopLeftCellIsEmpty) {
    Project project;
    project.recipes.setColumns(2);
    project.recipes.cell(1, 0) = "%MW2";
    project.recipes.cell(1, 1) = "5";
    TPrograma edited;
    SaveOptions options;
    options.scrambled = false;
    ASSERT_TRUE(SalvaProjeto(dir / "r.vlp", project, edited, options));
    const auto lines = text::splitLines(read(dir / "r.vlp"));
    const auto rec = std::find(lines.begin(), lines.end(), "#TABREC");
    ASSERT_NE(rec, lines.end());
    EXPECT_EQ(*(rec + 1), "#");
}

TEST_F(ProjectFile, ControlCharactersNeverSplitTheFile) {
    Project project;
    project.record.model = "ZT\t640";
    project.symbols.rows = {{"%M1", "A", "line\r\nbreak"}, {}};
    TPrograma edited;
    edited.logic(1).setTitle("\ttab first"); // position 6 in its line; a tab at 1 is LF
    edited.logic(1).setComment("one\r\ntwo\nthree");
    const auto path = dir / "c.vlp";
    const auto report = SalvaProjeto(path, project, edited);
    ASSERT_TRUE(report.ok);
    std::vector<std::string> cleaned;
    for (const auto& n : report.notices) {
        EXPECT_EQ(n.message, kMsgTextCleaned);
        cleaned.push_back(n.arguments);
    }
    EXPECT_EQ(cleaned, (std::vector<std::string>{"#CONFIGGERAL", "#LADDER", "#TABSIMB"}));

    Project back;
    TPrograma backEdited;
    ASSERT_TRUE(CarregaProjeto(path, back, backEdited));
    EXPECT_EQ(back.record.model, "ZT 640");
    EXPECT_EQ(backEdited.logic(1).title, " tab first");
    EXPECT_EQ(backEdited.logic(1).comment, "one\r\ntwo three");
    EXPECT_EQ(back.symbols.rows[0].comment, "line  break");

    // A foreign section's name read from a plain file may hold a tab too.
    const auto plain = dir / "p.vlp";
    ASSERT_TRUE(text::writeFileAtomic(plain, "#\r\n\t#X\r\nx\r\n#\r\n"));
    ASSERT_TRUE(CarregaProjeto(plain, back, backEdited));
    ASSERT_EQ(back.foreignSections.size(), 1u);
    const auto again = SalvaProjeto(plain, back, backEdited);
    ASSERT_TRUE(again.ok);
    ASSERT_TRUE(CarregaProjeto(plain, back, backEdited));
    ASSERT_EQ(back.foreignSections.size(), 1u);
    EXPECT_EQ(back.foreignSections[0], (ForeignSection{" #X", {"x"}}));
}

} // namespace
} // namespace velmora::project
