#pragma once

// The layout pass of the ladder page: fits the geometry, places every logic one below the
// other (setting each logic's top and bottom y), draws the ones that intersect the image, and
// works out the scroll bar and the controls that follow the open logic.

#include "core/ladder/ladder_drawing.h"
#include "core/ladder/ladder_geometry.h"
#include "core/ladder/monitor_hooks.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/seams/canvas.h"
#include "core/tables/symbol_table.h"

namespace velmora::ladder {

// The drawing state of the ladder page, kept by whoever shows it.
struct LadderPageState {
    OperandDisplay display = OperandDisplay::Endereco;
    LadderGeometry geometry = baseGeometry(OperandDisplay::Endereco);
    int scrollPosition = 0; // of ScrollBarLadder; the drawing is shifted up by it
    bool drawnOnce = false; // set by the first layout pass; later ones clear the registry

    // A new display mode: the base geometry of that mode, fitted to the window.
    void setDisplay(OperandDisplay mode, int imageWidth, int imageHeight);
    // The scroll box was resized: the base geometry fitted anew.
    void resize(int imageWidth, int imageHeight);
};

// What the layout pass decided, for the widgets around the bitmap.
struct LadderLayout {
    int scrollBoxRange = 0;    // vertical range of ScrollBoxLadder
    int scrollBarMaximum = 0;  // of ScrollBarLadder
    int scrollBarPosition = 0; // after clamping to the maximum
    bool scrollBarVisible = false;
    bool abrirComVisible = false; // ImageAbrirCom on the open logic's header
    Point abrirComPosition;
    int openLogicTop = 0;            // for placing EditValor
    bool insereLogicaEnabled = true; // TbInsereLogica
    bool compilaEnabled = false;     // TbCompila
    int firstDrawn = 0;              // logics drawn, first ... last (0 when none)
    int lastDrawn = 0;
};

struct LadderPageSources {
    TPrograma& program;
    TLogica& workingCopy; // number -1 when no logic is open
    const tables::SymbolTable& symbols;
    const Language& language;
    MonitorHooks& monitor;
};

// The layout pass: draws the page onto `canvas`, an image of `image` size (the bitmap is as
// large as the image) inside a scroll box `scrollBoxWidth` wide. Never changes cell contents.
LadderLayout Desenha(LadderPageState& page, LadderPageSources& sources, Canvas& canvas, Size image,
                     int scrollBoxWidth);

// The scroll position that brings logic n (clamped to 1 ... count) to the top: the sum of the
// heights of logics 1 ... n - 1 as the layout pass draws them.
int RolaParaLogica(const LadderPageState& page, const TPrograma& program, int openLogic,
                   bool monitoringRunning, int n);

// The logic whose area holds y on the page as last laid out, or 0.
int logicAtY(const TPrograma& program, int y);

} // namespace velmora::ladder
