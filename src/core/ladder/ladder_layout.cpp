#include "core/ladder/ladder_layout.h"

#include <algorithm>

namespace velmora::ladder {

namespace {

int availableWidth(int imageWidth) {
    return imageWidth - 5;
}

int logicHeight(const LadderGeometry& g, const TLogica& logic, bool drawnOpen) {
    return drawnOpen ? g.openLogicHeight() : AlturaLogica(g, logic);
}

} // namespace

void LadderPageState::setDisplay(OperandDisplay mode, int imageWidth, int imageHeight) {
    display = mode;
    resize(imageWidth, imageHeight);
}

void LadderPageState::resize(int imageWidth, int imageHeight) {
    LadderGeometry fitted = baseGeometry(display);
    if (AjustaGeometria(fitted, availableWidth(imageWidth), imageHeight)) {
        geometry = fitted;
    } else {
        // Too narrow to fit: the last geometry stays, with the new height.
        geometry.bitmapHeight = std::max(1, imageHeight);
    }
}

LadderLayout Desenha(LadderPageState& page, LadderPageSources& src, Canvas& canvas, Size image,
                     int scrollBoxWidth) {
    LadderGeometry& g = page.geometry;
    AjustaGeometria(g, availableWidth(image.width), image.height);
    const int imageHeight = image.height;

    if (page.drawnOnce) {
        src.monitor.clearRegistry();
    }
    page.drawnOnce = true;

    TPrograma& program = src.program;
    const int count = program.count();
    LadderLayout out;
    out.scrollBoxRange = static_cast<int>(1.2 * g.openLogicHeight() * count) + kTopMargin + 2;

    LadderDrawContext ctx{canvas, g, page.display, src.symbols, src.language, src.monitor, false};
    canvas.setBrush(Brush{colors::white});
    canvas.fillRect({0, 0, std::max(g.bitmapWidth, image.width), imageHeight});

    const int open = src.workingCopy.number;
    const bool monitoring = src.monitor.running();

    // The scroll bar first, so the page is drawn at the position the bar can really take.
    int total = 0;
    for (int i = 1; i <= count; ++i) {
        total += logicHeight(g, program.logic(i), i == open && !monitoring);
    }
    int maximum = kTopMargin + total + 60;
    int position = std::min(page.scrollPosition, maximum);
    maximum = maximum > imageHeight ? maximum - imageHeight + 100 : 0;
    position = std::clamp(position, 0, maximum);
    page.scrollPosition = position;
    out.scrollBarMaximum = maximum;
    out.scrollBarPosition = position;
    out.scrollBarVisible = maximum > 0;

    int y = kTopMargin - position;
    for (int i = 1; i <= count; ++i) {
        TLogica& logic = program.logic(i);
        logic.topY = y;
        const bool drawnOpen = i == open && !monitoring;
        const int height = logicHeight(g, logic, drawnOpen);
        if (y + height > 0 && y < imageHeight) {
            if (drawnOpen) {
                src.workingCopy.topY = y;
                DesenhaLogicaAberta(ctx, src.workingCopy, y);
                out.abrirComVisible = true;
                out.abrirComPosition = {scrollBoxWidth - 70, y + 10};
            } else {
                DesenhaLogicaFechada(ctx, logic, y);
            }
            if (out.firstDrawn == 0) {
                out.firstDrawn = i;
            }
            out.lastDrawn = i;
        }
        y += height;
        logic.bottomY = y;
    }

    const bool isOpen = open >= 1 && open <= count;
    if (isOpen) {
        src.workingCopy.topY = program.logic(open).topY;
        src.workingCopy.bottomY = program.logic(open).bottomY;
        out.openLogicTop = src.workingCopy.topY;
    }
    out.insereLogicaEnabled = !isOpen;
    out.compilaEnabled = isOpen;
    return out;
}

int RolaParaLogica(const LadderPageState& page, const TPrograma& program, int openLogic,
                   bool monitoringRunning, int n) {
    n = std::clamp(n, 1, program.count());
    int sum = 0;
    for (int i = 1; i < n; ++i) {
        sum += logicHeight(page.geometry, program.logic(i), i == openLogic && !monitoringRunning);
    }
    return sum;
}

int logicAtY(const TPrograma& program, int y) {
    for (int i = 1; i <= program.count(); ++i) {
        const TLogica& logic = program.logic(i);
        if (y >= logic.topY && y < logic.bottomY) {
            return i;
        }
    }
    return 0;
}

} // namespace velmora::ladder
