// Randomly generated projects survive save -> load -> save byte for byte.
#include "core/project/project_file.h"

#include "temp_dir.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora::project {
namespace {

using ladder::TPrograma;

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    // Printable cell text, as the editor writes it: a catalogue element's first cell.
    std::string cell() {
        static const std::vector<std::string> forms = {
            "CNA1001000#%I0.{d}",
            "CNF1001010#%M{n}",
            "CBP1001000#%I1.{d}",
            "BOB1001000#%Q0.{d}",
            "BOS1001000#%M{n}",
            "TON1001000#%T{n}#{n}#1#1",
            "TON2001000",
            "TOF1001010#%T{n}#{n}#2#0",
            "CUP1001000#%C{n}#{n}",
            "CUD4001000",
            "CMB1001000#%MW{n}#{n}",
            "SMW1001000#%MW{n}#%MW{n}#%MW{n}",
            "JMP1001000#{n}",
            "CAL1001000#SUB{n}",
            "OPR1001000#%MW{n}:=%MW{n}+{n}",
            "CRT1001000",
            "MWW2001000",
            "PID1001000#PID {n}#0#0#0#0#0#255#%#0#255#%#0#4095"};
        std::string form = forms[static_cast<std::size_t>(between(0, int(forms.size()) - 1))];
        std::string out;
        for (std::size_t i = 0; i < form.size(); ++i) {
            if (form.compare(i, 3, "{d}") == 0) {
                out += std::to_string(between(0, 7));
                i += 2;
            } else if (form.compare(i, 3, "{n}") == 0) {
                out += std::to_string(between(0, 999));
                i += 2;
            } else {
                out += form[i];
            }
        }
        return out;
    }

    // Free text of 1252 bytes without control characters and without `banned`.
    std::string text(int maxLength, std::string_view banned = "") {
        std::string out;
        const int length = between(0, maxLength);
        while (static_cast<int>(out.size()) < length) {
            const char c = static_cast<char>(chance(85) ? between(32, 126) : between(160, 255));
            if (banned.find(c) == std::string_view::npos) {
                out += c;
            }
        }
        return out;
    }
    std::string nonEmptyText(int maxLength, std::string_view banned = "") {
        std::string t;
        while (t.empty()) {
            t = text(maxLength, banned);
        }
        return t;
    }

    TPrograma program() {
        TPrograma p;
        ladder::setLogicCount(p, between(1, 12));
        for (int q = 1; q <= p.count(); ++q) {
            auto& logic = p.logic(q);
            const int cells = between(0, 15);
            for (int i = 0; i < cells; ++i) {
                const int s = between(0, 19);
                const int r = between(0, 10);
                logic.cell(s, r).set(s % 2 == 1 ? cell() : std::string("I000"));
            }
            logic.setTitle(text(50));
            std::string comment;
            const int commentLines = between(0, 3);
            for (int i = 0; i < commentLines; ++i) {
                comment += (i == 0 ? text(40) : "\r\n" + text(40));
            }
            logic.setComment(comment);
            if (comment.size() > ladder::kCommentCapacity &&
                logic.comment.substr(logic.comment.size() - 1) == "\r") {
                logic.comment.pop_back(); // a cut must not leave half a line end
            }
        }
        p.setName(text(50));
        return p;
    }

    Project project() {
        Project project;
        TProjeto& r = project.record;
        r.kind = chance(80) ? "LD" : "ML";
        r.model = chance(50) ? "ZT640" : "ZT 320";
        r.config = {static_cast<std::uint8_t>(between(0, 99)),
                    static_cast<std::uint8_t>(between(1, 2)),
                    static_cast<std::uint8_t>(between(1, 8)),
                    static_cast<std::uint8_t>(between(0, 99)),
                    static_cast<std::uint8_t>(between(1, 2)),
                    static_cast<std::uint8_t>(between(1, 8)),
                    {std::to_string(between(1000, 9999)), std::to_string(between(0, 9999)), ""},
                    between(0, 2)};
        project.symbols.rows.clear();
        const int symbols = between(0, 20);
        for (int i = 0; i < symbols; ++i) {
            project.symbols.rows.push_back(
                {"%M" + std::to_string(i), text(9, ";"), nonEmptyText(30, ";")});
        }
        project.symbols.rows.emplace_back();
        const int strings = between(0, 10);
        for (int i = 0; i < strings; ++i) {
            project.hmiStrings.texts.push_back(text(16, ";"));
        }
        if (chance(70)) {
            const int columns = between(1, 6);
            const int rows = between(1, 8);
            project.recipes.rows.assign(static_cast<std::size_t>(rows), std::vector<std::string>());
            project.recipes.setColumns(columns);
            for (int c = 0; c < columns; ++c) {
                project.recipes.cell(c, 0) = "%MW" + std::to_string(between(0, 500));
                for (int row = 1; row < rows; ++row) {
                    project.recipes.cell(c, row) =
                        chance(90) ? std::to_string(between(0, 65535)) : "";
                }
            }
        }
        project.sharing.rows.clear();
        const int sharing = between(1, 5);
        for (int i = 0; i < sharing; ++i) {
            const auto& f = comm::sharingFunctions()[static_cast<std::size_t>(between(0, 6))];
            project.sharing.rows.push_back({std::string(f.name), std::to_string(between(1, 99)),
                                            "00" + std::to_string(between(10, 99)), "0100", "0000",
                                            text(4, ";")});
        }
        if (chance(20)) {
            project.record.hmiLines = {"OBJECT PROG_IHM : tprog_ihm", "  QTDE_CAMPO = 0", "END"};
        }
        return project;
    }

private:
    std::mt19937 rng_;
};

void expectSameProgram(const TPrograma& a, const TPrograma& b) {
    ASSERT_EQ(a.count(), b.count());
    EXPECT_EQ(a.name, b.name);
    for (int q = 1; q <= a.count(); ++q) {
        EXPECT_TRUE(ladder::LogicasIguais(a.logic(q), b.logic(q))) << "logic " << q;
        EXPECT_EQ(a.logic(q).title, b.logic(q).title);
        EXPECT_EQ(a.logic(q).comment, b.logic(q).comment);
    }
}

TEST(RoundTrip, TwoHundredRandomProjectsAreByteIdentical) {
    test::TempDir dir;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator gen(seed);
        Project project = gen.project();
        TPrograma edited = gen.program();
        const TPrograma generated = edited;
        const tables::SymbolTable symbols = project.symbols;
        const auto first = dir / "first.vlp";
        const auto second = dir / "second.vlp";
        ASSERT_TRUE(SalvaProjeto(first, project, edited).ok);

        Project loaded;
        TPrograma loadedEdited;
        ASSERT_TRUE(CarregaProjeto(first, loaded, loadedEdited).ok);
        expectSameProgram(loadedEdited, generated);
        EXPECT_EQ(loaded.symbols, symbols);
        EXPECT_EQ(loaded.hmiStrings, project.hmiStrings);
        EXPECT_EQ(loaded.sharing, project.sharing);
        EXPECT_EQ(loaded.record.config, project.record.config);
        EXPECT_EQ(loaded.record.hmiLines, project.record.hmiLines);
        if (!project.recipes.cell(0, 0).empty()) {
            EXPECT_EQ(loaded.recipes, project.recipes);
        }

        ASSERT_TRUE(SalvaProjeto(second, loaded, loadedEdited).ok);
        const auto a = text::readFileBytes(first);
        const auto b = text::readFileBytes(second);
        ASSERT_TRUE(a && b);
        ASSERT_EQ(*a, *b);
    }
}

} // namespace
} // namespace velmora::project
