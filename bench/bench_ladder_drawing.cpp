// The ladder page's layout pass over a 999-logic program, and one paint of the visible page
// scrolled to logic 500. The canvas counts calls and draws nothing, so these figures are the
// drawing code's own cost; the raster work of the screen adapter comes on top.
#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/ladder_layout.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmora;
using namespace velmora::ladder;

class CountingCanvas : public Canvas {
public:
    long calls = 0;
    void setPen(const Pen&) override {}
    void setBrush(const Brush&) override {}
    void setFont(const Font&) override {}
    void line(Point, Point) override { ++calls; }
    void polyline(const std::vector<Point>&) override { ++calls; }
    void rectangle(const Rect&) override { ++calls; }
    void fillRect(const Rect&) override { ++calls; }
    void ellipse(const Rect&) override { ++calls; }
    void arc(const Rect&, int, int) override { ++calls; }
    void polygon(const std::vector<Point>&) override { ++calls; }
    void text(Point, const std::string&) override { ++calls; }
    Size textExtent(const std::string& t) override { return {static_cast<int>(t.size()) * 7, 13}; }
    void setClip(const Rect&) override {}
    void clearClip() override {}
};

void place(TLogica& logic, const char* code, int c, int r, const char* f1, const char* f2 = "") {
    const ElementKind* kind = findElement(code);
    writeElement(logic, *kind, c, r);
    auto& cell = logic.element(kind->coilColumn ? kLastElementColumn : c, r);
    cell.set(TrocaCampo(cell.text, 1, f1));
    if (*f2 != '\0') {
        cell.set(TrocaCampo(cell.text, 2, f2));
    }
}

// 999 logics of two or three rows: contacts, a timer or a comparison, a link, coils.
TPrograma bigProgram() {
    TPrograma p;
    setLogicCount(p, kMaxLogics);
    for (int i = 1; i <= p.count(); ++i) {
        TLogica& l = p.logic(i);
        l.setTitle("Logica de teste");
        place(l, "CNA", 0, 0, "%I0.0");
        if (i % 2 == 0) {
            place(l, "TON", 1, 0, "%T1", "50");
        } else {
            place(l, "CM7", 1, 0, "%MW1", "100");
        }
        for (int c = 2; c <= 8; ++c) {
            place(l, "CRT", c, 0, "");
        }
        place(l, "BOB", 9, 0, "%Q0.0");
        place(l, "CNA", 0, 1, "%Q0.0");
        l.cell(2, 0).set(kLinkDown);
        if (i % 3 == 0) {
            place(l, "CNF", 0, 2, "%M5");
            place(l, "BOS", 9, 2, "%Q0.1");
        }
    }
    return p;
}

struct Fixture {
    TPrograma program = bigProgram();
    TLogica workingCopy = [] {
        TLogica l = NovaLogica();
        l.number = -1;
        return l;
    }();
    tables::SymbolTable symbols;
    Language language;
    NoMonitoring monitor;
    LadderPageState state;
    CountingCanvas canvas;
};

// The image is shorter than one logic: only the layout, no drawing.
void BM_LayoutPass999(benchmark::State& st) {
    Fixture f;
    f.state.scrollPosition = 1000000; // below every logic: nothing intersects
    for (auto _ : st) {
        LadderPageSources src{f.program, f.workingCopy, f.symbols, f.language, f.monitor};
        f.state.scrollPosition = 1000000;
        benchmark::DoNotOptimize(Desenha(f.state, src, f.canvas, {765, 1}, 800));
    }
}
BENCHMARK(BM_LayoutPass999)->Unit(benchmark::kMillisecond);

// A full-height page of 900 pixels scrolled to logic 500.
void BM_PaintVisiblePageAt500(benchmark::State& st) {
    Fixture f;
    const int position = RolaParaLogica(f.state, f.program, -1, false, 500);
    long drawn = 0;
    for (auto _ : st) {
        LadderPageSources src{f.program, f.workingCopy, f.symbols, f.language, f.monitor};
        f.state.scrollPosition = position;
        const LadderLayout out = Desenha(f.state, src, f.canvas, {1005, 900}, 1020);
        drawn = out.lastDrawn - out.firstDrawn + 1;
    }
    st.counters["logics_drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_PaintVisiblePageAt500)->Unit(benchmark::kMillisecond);

} // namespace
