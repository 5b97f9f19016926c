#include "core/project/project_file.h"

#include "temp_dir.h"

#include "core/text/atomic_file.h"
#include "core/text/line_file.h"

#include <gtest/gtest.h>

namespace velmora::project {
namespace {

using ladder::TPrograma;

struct OlderLayout : ::testing::Test {
    test::TempDir dir;

    void lines(const std::string& name, const std::vector<std::string>& content) {
        ASSERT_TRUE(text::writeLinesAtomic(dir / name, content));
    }
    void program(const std::string& file, const std::string& name, const std::string& cell) {
        TPrograma p;
        p.setName(name);
        p.logic(1).cell(1, 0).set(cell);
        ASSERT_TRUE(GravaArquivoPrograma(dir / file, p));
    }
};

TEST_F(OlderLayout, KeyFileProgramFilesAndSideFiles) {
    lines("obra.vlp", {"TIPO   = LD", "AUTOR  = Ana Souza", "MODELO = ZT 320", "IHM    = OBRA.IHM",
                       "SRT 01 = principal.vlm", "SRT 03 = sub.vlm", "SRT 00 = none.vlm",
                       "SRT 21 = none.vlm", "SRT xx = none.vlm", "OUTRO  = ignored"});
    program("principal.vlm", "PRINCIPAL", "CNA1001010#%I0.0");
    program("SUB.VLM", "SUB", "BOB1001000#%Q0.1"); // found whatever its letter case
    lines("obra.ihm", {"OBJECT obra : tprog_ihm", "END"});
    lines("obratabsimb.txt", {"%I0.0;PARTIDA;verde", "%Q0.1;LAMP;"});
    lines("obrareceita.txt", {"%MW1;%MW2;", "1;2;"});
    lines("obracompartilha.txt", {"Read coil status;2;0;10;0;10"});
    lines("obraCFGPRJ.CFG", {"MODELO = Pelta", "SENHA 1 = 4321", "BAUDRATE_RS232 = 3"});
    lines("obracfgtc.txt", {"%T1;10;"});

    Project project;
    TPrograma edited;
    const auto result = CarregaProjeto(dir / "obra.vlp", project, edited);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.layout, FileLayout::Older);
    const TProjeto& r = project.record;
    EXPECT_EQ(r.kind, "LD");
    EXPECT_EQ(r.author, "Ana Souza");
    EXPECT_EQ(r.model, "ZT 320"); // the configuration file's MODELO is not taken
    EXPECT_EQ(r.programCount, 3);
    EXPECT_EQ(r.program(1).name, "PRINCIPAL");
    EXPECT_EQ(r.program(3).name, "SUB");
    EXPECT_EQ(r.program(3).slot, 3);
    EXPECT_EQ(r.program(3).logic(1).cell(1, 0).text, "BOB1001000#%Q0.1");
    EXPECT_EQ(edited.name, "SUB"); // the last program read becomes the edited one
    EXPECT_EQ(edited.slot, 3);
    EXPECT_EQ(r.config.senhas[0], "4321");
    EXPECT_EQ(r.config.baudRS232, 3);
    EXPECT_EQ(r.config.baudRS485, configGeralPadrao().baudRS485);
    EXPECT_EQ(tables::EnderecoDoSimbolo(project.symbols, "LAMP"), "%Q0.1");
    EXPECT_EQ(project.recipes.cell(1, 1), "2");
    EXPECT_EQ(project.sharing.rows.size(), 1u);
    ASSERT_TRUE(result.older.hmiFile);
    EXPECT_EQ(result.older.hmiFile->filename(), "obra.ihm");
    ASSERT_TRUE(result.older.timerGrid);
    EXPECT_FALSE(result.older.counterGrid);

    // Saved again, it becomes a sectioned file that reads back the same program.
    ASSERT_TRUE(SalvaProjeto(dir / "nova.vlp", project, edited));
    Project again;
    TPrograma againEdited;
    const auto reread = CarregaProjeto(dir / "nova.vlp", again, againEdited);
    ASSERT_TRUE(reread.ok);
    EXPECT_EQ(reread.layout, FileLayout::Scrambled);
    EXPECT_EQ(againEdited.name, "SUB");
    EXPECT_EQ(again.symbols, project.symbols);
}

TEST_F(OlderLayout, InstructionListProjectSkipsProgramsAndReadsTheListFile) {
    lines("lista.vlp", {"TIPO   = ML", "SRT 01 = principal.vlm"});
    program("principal.vlm", "PRINCIPAL", "CNA1001010#%I0.0");
    lines("lista.txt", {"LD %I0.0", "ST %Q0.0"});
    Project project;
    TPrograma edited;
    ASSERT_TRUE(CarregaProjeto(dir / "lista.vlp", project, edited));
    EXPECT_EQ(project.record.kind, "ML");
    EXPECT_EQ(project.record.program(1).name, "");
    EXPECT_EQ(project.instructionList, (std::vector<std::string>{"LD %I0.0", "ST %Q0.0"}));
}

TEST_F(OlderLayout, MissingProgramFileLeavesTheSlotEmpty) {
    lines("obra.vlp", {"TIPO   = LD", "SRT 02 = gone.vlm"});
    Project project;
    TPrograma edited;
    ASSERT_TRUE(CarregaProjeto(dir / "obra.vlp", project, edited));
    EXPECT_EQ(project.record.programCount, 2);
    EXPECT_EQ(edited.slot, 2);
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(OlderLayout, NamedFilesAreTakenFromTheProjectFolderOnly) {
    test::TempDir elsewhere;
    TPrograma outside;
    outside.setName("OUTSIDE");
    ASSERT_TRUE(GravaArquivoPrograma(elsewhere / "x.vlm", outside));
    program("x.vlm", "INSIDE", "CNA1001010#%I0.0");
    const std::string absolute = (elsewhere / "x.vlm").string();
    lines("obra.vlp", {"TIPO   = LD", "SRT 01 = " + absolute, "SRT 02 = C:\\obras\\x.vlm"});
    Project project;
    TPrograma edited;
    ASSERT_TRUE(CarregaProjeto(dir / "obra.vlp", project, edited));
    EXPECT_EQ(project.record.program(1).name, "INSIDE");
    EXPECT_EQ(project.record.program(2).name, "INSIDE");
}

TEST(FindFileIgnoringCase, ExactThenAnyCase) {
    test::TempDir dir;
    ASSERT_TRUE(text::writeFileAtomic(dir / "Dados.TXT", "x"));
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "Dados.TXT"), dir / "Dados.TXT");
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "dados.txt"), dir / "Dados.TXT");
    EXPECT_FALSE(findFileIgnoringCase(dir.path(), "outro.txt"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path(), ""));
    EXPECT_FALSE(findFileIgnoringCase(dir / "nowhere", "dados.txt"));
}

} // namespace
} // namespace velmora::project
