// The example projects shipped in data/examples are written by this generator through the
// project writer. The test fails when a shipped file differs from what the writer makes now;
// run it with VELMORA_WRITE_EXAMPLES=1 to write the files afresh.
#include "core/ladder/cell.h"
#include "core/project/project_file.h"

#include "temp_dir.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmora::project {
namespace {

using ladder::TLogica;
using ladder::TPrograma;

// An element's first cell at element column c: header plus "#"-joined fields.
std::string element(std::string_view code, int c, std::vector<std::string> fields,
                    char part = '1') {
    std::string text = ladder::CabecalhoCelula(code, part, c == 0);
    for (const auto& f : fields) {
        text += "#" + f;
    }
    return text;
}

// Horizontal lines from element column `from` to `to` in row r.
void wire(TLogica& logic, int r, int from, int to) {
    for (int c = from; c <= to; ++c) {
        logic.element(c, r).set(ladder::CabecalhoCelula("CRT", '1', c == 0));
    }
}

// Timers, counters and a jump over one logic.
struct Example {
    std::string file;
    Project project;
    TPrograma program;
};

Example timersExample() {
    Example ex{"temporizadores.vlp", {}, {}};
    TPrograma& p = ex.program;
    ladder::setLogicCount(p, 5);
    p.setName("temporizadores 01");

    TLogica& l1 = p.logic(1);
    l1.setTitle("Partida com retardo");
    l1.setComment("O motor liga 5 s depois do botao de partida");
    l1.element(0, 0).set(element("CNA", 0, {"%I0.0"}));
    l1.element(1, 0).set(element("TON", 1, {"%T1", "50", "2", "1"}));
    l1.element(1, 1).set(element("TON", 1, {}, '2'));
    wire(l1, 0, 2, 8);
    l1.element(9, 0).set(element("BOB", 9, {"%Q0.0"}));

    TLogica& l2 = p.logic(2);
    l2.setTitle("Contagem de pecas");
    l2.element(0, 0).set(element("CNA", 0, {"%I0.1"}));
    l2.element(0, 1).set(element("CNA", 0, {"%I0.2"}));
    l2.element(1, 0).set(element("CUP", 1, {"%C1", "10"}));
    l2.element(1, 1).set(element("CUP", 1, {}, '2'));
    wire(l2, 0, 2, 8);
    l2.element(9, 0).set(element("BOB", 9, {"%Q0.1"}));

    TLogica& l3 = p.logic(3);
    l3.setTitle("Lote completo: salta para a logica 5");
    l3.element(0, 0).set(element("CNA", 0, {"%C1.Q"}));
    wire(l3, 0, 1, 7);
    l3.element(8, 0).set(element("JMP", 8, {"5"}));
    l3.element(9, 0).set(element("JMP", 8, {}, '2'));

    TLogica& l4 = p.logic(4);
    l4.setTitle("Desligamento retardado");
    l4.element(0, 0).set(element("CNA", 0, {"%I0.3"}));
    l4.element(1, 0).set(element("TOF", 1, {"%T2", "20", "1", "1"}));
    l4.element(1, 1).set(element("TOF", 1, {}, '2'));
    wire(l4, 0, 2, 8);
    l4.element(9, 0).set(element("BOB", 9, {"%Q0.2"}));

    TLogica& l5 = p.logic(5);
    l5.setTitle("Destino do salto: selo da sirene");
    l5.setComment("Liga a sirene\r\nDesliga pela entrada 4");
    l5.element(0, 0).set(element("CNA", 0, {"%I0.5"}));
    l5.element(0, 1).set(element("CNA", 0, {"%Q0.3"}));
    l5.cell(2, 0).set(ladder::kLinkDown);
    l5.element(1, 0).set(element("CNF", 1, {"%I0.4"}));
    wire(l5, 0, 2, 8);
    l5.element(9, 0).set(element("BOB", 9, {"%Q0.3"}));

    ex.project.record.name = "temporizadores";
    return ex;
}

// Symbols, HMI strings, recipes and the sharing table.
Example tablesExample() {
    Example ex{"tabelas.vlp", {}, {}};
    TPrograma& p = ex.program;
    ladder::setLogicCount(p, 2);
    p.setName("tabelas 01");
    TLogica& l1 = p.logic(1);
    l1.setTitle("Liga o motor");
    l1.element(0, 0).set(element("CNA", 0, {"%I0.0"}));
    l1.element(1, 0).set(element("CNF", 1, {"%I0.1"}));
    wire(l1, 0, 2, 8);
    l1.element(9, 0).set(element("BOB", 9, {"%M10"}));
    TLogica& l2 = p.logic(2);
    l2.setTitle("Contator");
    l2.element(0, 0).set(element("CNA", 0, {"%M10"}));
    wire(l2, 0, 1, 8);
    l2.element(9, 0).set(element("BOB", 9, {"%Q0.0"}));

    Project& project = ex.project;
    project.record.name = "tabelas";
    project.record.model = "ZT 320";
    project.symbols.rows = {{"%I0.0", "PARTIDA", "Botao de partida"},
                            {"%I0.1", "PARADA", "Botao de parada"},
                            {"%M10", "LIGADO", "Motor ligado"},
                            {"%Q0.0", "MOTOR", "Contator do motor"},
                            {"%MW10", "VELOC", "Velocidade em rpm"},
                            {"%MW11", "TEMPO", "Tempo de ciclo"},
                            {}};
    project.hmiStrings.texts = {"LIGADO", "DESLIGADO", "AUTOMATICO", "MANUAL"};
    project.recipes.rows = {{"%MW10", "%MW11", "%MW12"},
                            {"1200", "30", "5"},
                            {"1500", "25", "8"},
                            {"1800", "20", "10"}};
    project.recipes.columns = 3;
    project.sharing.rows = {{"Read holding register", "1", "0010", "0020", "0005", "0001"},
                            {"Preset multiple register", "2", "0030", "0033", "0100", "0103"}};
    return ex;
}

std::vector<Example> examples() {
    std::vector<Example> list;
    list.push_back(timersExample());
    list.push_back(tablesExample());
    return list;
}

const std::filesystem::path kExamples = std::filesystem::path(VELMORA_DATA_DIR) / "examples";

TEST(Examples, ShippedFilesAreWhatTheWriterMakes) {
    const char* write = std::getenv("VELMORA_WRITE_EXAMPLES");
    test::TempDir dir;
    for (auto& ex : examples()) {
        SCOPED_TRACE(ex.file);
        const auto target = write != nullptr ? kExamples / ex.file : dir / ex.file;
        const auto report = SalvaProjeto(target, ex.project, ex.program);
        ASSERT_TRUE(report.ok);
        EXPECT_TRUE(report.notices.empty());
        const auto made = text::readFileBytes(target);
        const auto shipped = text::readFileBytes(kExamples / ex.file);
        ASSERT_TRUE(made && shipped) << "run with VELMORA_WRITE_EXAMPLES=1 to write it";
        EXPECT_EQ(*made, *shipped);
    }
}

TEST(Examples, ShippedFilesLoad) {
    Project project;
    TPrograma edited;
    auto r = CarregaProjeto(kExamples / "temporizadores.vlp", project, edited);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(edited.count(), 5);
    EXPECT_EQ(r.ladder.timerCells.size(), 4u);
    EXPECT_EQ(r.ladder.counterCells.size(), 2u);
    EXPECT_EQ(ladder::CampoCelula(edited.logic(3).element(8, 0).text, 1), "5");

    r = CarregaProjeto(kExamples / "tabelas.vlp", project, edited);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(tables::SimboloDoEndereco(project.symbols, "%MW10"), "VELOC");
    EXPECT_EQ(project.hmiStrings.texts.size(), 4u);
    EXPECT_EQ(tables::QuantidadeReceitas(project.recipes), 3);
    EXPECT_EQ(comm::NumeroEntradasCompartilhamento(project.sharing), 2);
}

} // namespace
} // namespace velmora::project
