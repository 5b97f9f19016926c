#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/lang/language_file.h"
#include "core/project/project_file.h"
#include "core/workspace.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_page.h"
#include "support/scripted_prompts.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

using namespace velmora;
using namespace velmora::gui;

namespace {

// Writes a fresh element of `code` at element column c, row r, with its fields filled.
void put(ladder::TLogica& logic, const char* code, int c, int r,
         std::initializer_list<const char*> fields = {}) {
    const ladder::ElementKind* kind = ladder::findElement(code);
    QVERIFY(kind != nullptr);
    QVERIFY(ladder::writeElement(logic, *kind, c, r));
    const int col = kind->coilColumn ? ladder::kLastElementColumn : c;
    auto& cell = logic.element(col, r);
    int k = 1;
    for (const char* f : fields) {
        cell.set(ladder::TrocaCampo(cell.text, k++, f));
    }
}

void wireThrough(ladder::TLogica& logic, int from, int to, int r) {
    for (int c = from; c <= to; ++c) {
        put(logic, "CRT", c, r);
    }
}

// One logic of each kind a technician meets first.
void demoProgram(Workspace& ws) {
    auto& p = ws.ladder.program;
    ladder::setLogicCount(p, 4);
    ladder::TLogica& seal = p.logic(1);
    seal.setTitle("Partida do motor");
    put(seal, "CNA", 0, 0, {"%I0.0"});
    put(seal, "CNF", 1, 0, {"%I0.1"});
    wireThrough(seal, 2, 8, 0);
    put(seal, "BOB", 9, 0, {"%Q0.0"});
    put(seal, "CNA", 0, 1, {"%Q0.0"});
    seal.cell(2, 0).set(ladder::kLinkDown);

    ladder::TLogica& timer = p.logic(2);
    timer.setTitle("Retardo");
    put(timer, "CNA", 0, 0, {"%Q0.0"});
    put(timer, "TON", 1, 0, {"%T1", "50"});
    wireThrough(timer, 2, 8, 0);
    put(timer, "BOB", 9, 0, {"%Q0.1"});

    ladder::TLogica& compare = p.logic(3);
    compare.setTitle("Nivel alto");
    put(compare, "CNA", 0, 0, {"%M10"});
    put(compare, "CM7", 1, 0, {"%MW10", "1200"});
    wireThrough(compare, 2, 8, 0);
    put(compare, "BOS", 9, 0, {"%Q0.2"});

    ladder::TLogica& open = p.logic(4);
    open.setTitle("Em edicao");
    open.setComment("Soma das pecas\r\ndos dois turnos");
    put(open, "CBP", 0, 0, {"%I0.3"});
    put(open, "SMW", 1, 0, {"%MW1", "%MW2", "%MW3"});
    put(open, "CNA", 0, 3, {"%I0.4"});
    put(open, "MWW", 1, 3, {"0", "%MW3"});

    tables::DefineSimbolo(ws.project.symbols, "%I0.0", "PARTIDA");
    tables::DefineSimbolo(ws.project.symbols, "%I0.1", "PARADA");
    tables::DefineSimbolo(ws.project.symbols, "%Q0.0", "MOTOR");
    tables::DefineSimbolo(ws.project.symbols, "%MW10", "NIVEL");
    tables::DefineSimbolo(ws.project.symbols, "%MW3", "TOTAL");
}

} // namespace

class LadderPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<LadderPage> page_;

    void makePage(int logics, QSize size = QSize(800, 600)) {
        ws_ = std::make_unique<Workspace>();
        ladder::setLogicCount(ws_->ladder.program, logics);
        for (int i = 1; i <= logics; ++i) {
            put(ws_->ladder.program.logic(i), "CNA", 0, 0, {"%I0.0"});
            put(ws_->ladder.program.logic(i), "BOB", 9, 0, {"%Q0.0"});
        }
        page_ = std::make_unique<LadderPage>(*ws_);
        page_->resize(size);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    }

private slots:
    void cleanup() {
        page_.reset();
        ws_.reset();
    }

    void hasTheNamedComponents() {
        makePage(1);
        QCOMPARE(page_->objectName(), QString("PaginaLadder"));
        for (const char* name : {"ScrollBoxLadder", "ImageLadder", "ImageAbrirCom",
                                 "ImageFecharCom", "MemoComentario"}) {
            QVERIFY2(page_->findChild<QWidget*>(name) != nullptr, name);
        }
        QVERIFY(page_->findChild<QScrollBar*>("ScrollBarLadder") != nullptr);
    }

    void bitmapIsAsLargeAsTheImageAndOnlyVisibleLogicsAreDrawn() {
        makePage(999);
        page_->RolaParaLogica(500);
        const auto& program = ws_->ladder.program;
        QCOMPARE(program.logic(500).topY, 5);
        QCOMPARE(page_->image()->bitmap().size(), page_->image()->size());
        const auto& layout = page_->lastLayout();
        // The top margin shows the last pixels of logic 499.
        QCOMPARE(layout.firstDrawn, 499);
        QVERIFY(layout.lastDrawn >= 504 && layout.lastDrawn <= 510);
        QVERIFY(page_->scrollBar()->isVisible());
        QCOMPARE(page_->scrollBar()->value(), page_->state().scrollPosition);
        QCOMPARE(page_->scrollBar()->maximum(), layout.scrollBarMaximum);
    }

    void drawingReachesTheBitmap() {
        makePage(2);
        const QImage& bitmap = page_->image()->bitmap();
        const auto& g = page_->state().geometry;
        const int top = ws_->ladder.program.logic(1).topY;
        // The wire into the first contact, and the background beside the left rail.
        QCOMPARE(bitmap.pixelColor(g.leftMargin + 2, g.wireY(0, top)), QColor(Qt::black));
        QCOMPARE(bitmap.pixelColor(2, g.wireY(0, top)), QColor(Qt::white));
        // The grey rail.
        QCOMPARE(bitmap.pixelColor(g.leftRailX(), g.wireY(0, top) + 8), QColor(128, 128, 128));
    }

    void scrollBarScrollsThePage() {
        makePage(30, QSize(800, 300));
        QVERIFY(page_->scrollBar()->isVisible());
        const int first =
            ladder::AlturaLogica(page_->state().geometry, ws_->ladder.program.logic(1));
        // Logic 1 scrolled just out of the image.
        page_->scrollBar()->setValue(first + 5);
        QCOMPARE(page_->state().scrollPosition, first + 5);
        QCOMPARE(ws_->ladder.program.logic(1).bottomY, 0);
        QCOMPARE(ws_->ladder.program.logic(2).topY, 0);
        QCOMPARE(page_->lastLayout().firstDrawn, 2);
        // The wheel moves it on.
        QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(page_->image(), &wheel);
        QCOMPARE(page_->state().scrollPosition, first + 5 + 60);
        // Few logics: no scroll bar.
        makePage(2);
        QVERIFY(!page_->scrollBar()->isVisible());
    }

    void openLogicShowsItsCommentOnRequest() {
        makePage(3);
        ws_->ladder.program.logic(2).setComment("linha um\r\nlinha dois");
        QVERIFY(ws_->ladder.AbreLogica(2));
        page_->Desenha();
        auto* abrir = page_->findChild<QToolButton*>("ImageAbrirCom");
        auto* fechar = page_->findChild<QToolButton*>("ImageFecharCom");
        auto* memo = page_->findChild<QPlainTextEdit*>("MemoComentario");
        QVERIFY(abrir->isVisible());
        QCOMPARE(abrir->pos(), QPoint(page_->findChild<QWidget*>("ScrollBoxLadder")->width() - 70,
                                      ws_->ladder.program.logic(2).topY + 10));
        QVERIFY(page_->lastLayout().compilaEnabled);
        QVERIFY(!page_->lastLayout().insereLogicaEnabled);
        QTest::mouseClick(abrir, Qt::LeftButton);
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->toPlainText(), QString("linha um\nlinha dois"));
        QVERIFY(!abrir->isVisible());
        QVERIFY(fechar->isVisible());
        QTest::mouseClick(fechar, Qt::LeftButton);
        QVERIFY(!memo->isVisible());
        QVERIFY(abrir->isVisible());
        // Closed again: no icon.
        ws_->ladder.DescartaLogica();
        page_->Desenha();
        QVERIFY(!abrir->isVisible());
    }

    void cursorStatusAndDisplayMode() {
        makePage(1);
        tables::DefineSimbolo(ws_->project.symbols, "%I0.0", "PARTIDA");
        QVERIFY(ws_->ladder.AbreLogica(1));
        page_->Desenha();
        QString status;
        connect(page_.get(), &LadderPage::cursorStatus, [&](const QString& s) { status = s; });
        page_->DesenhaCursor({0, 0}, {0, 0});
        QCOMPARE(status, QString("%I0.0 : PARTIDA"));
        const auto& g = page_->state().geometry;
        const QRect cell(g.leftMargin, ws_->ladder.workingCopy.topY + g.headerHeight, 4, 4);
        QCOMPARE(page_->image()->bitmap().pixelColor(cell.topLeft() + QPoint(1, 1)),
                 QColor(192, 192, 192));
        page_->DesenhaCursor({0, 0}, {3, 2});
        QCOMPARE(status, QString());

        page_->setDisplay(ladder::OperandDisplay::SimboloEndereco);
        QCOMPARE(page_->state().geometry.rowHeight, 51);
        page_->setDisplay(ladder::OperandDisplay::Endereco);
        QCOMPARE(page_->state().geometry.rowHeight, 39);
    }

    void tinyWindowKeepsTheGeometry() {
        makePage(3);
        const auto before = page_->state().geometry;
        page_->resize(20, 10);
        QTest::qWait(10);
        QCOMPARE(page_->state().geometry.columnWidth, before.columnWidth);
        QVERIFY(page_->state().geometry.fontSize >= 12);
        page_->resize(800, 600);
    }

    void mainWindowShowsTheLadderPage() {
        QTemporaryDir home;
        test::ScriptedPrompts prompts;
        MainWindow window(StartupOptions{home.path().toStdString(), {}, &prompts});
        auto* page = window.findChild<LadderPage*>("PaginaLadder");
        QVERIFY(page != nullptr);
    }

    // Pictures for the documentation: set VELMORA_SCREENSHOT_DIR and run under xvfb-run with
    // QT_QPA_PLATFORM=xcb.
    void screenshots() {
        const QByteArray dir = qgetenv("VELMORA_SCREENSHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("VELMORA_SCREENSHOT_DIR not set");
        }
        QDir().mkpath(QString::fromLocal8Bit(dir));
        const struct {
            ladder::OperandDisplay mode;
            const char* name;
        } modes[] = {{ladder::OperandDisplay::Endereco, "endereco"},
                     {ladder::OperandDisplay::Simbolo, "simbolo"},
                     {ladder::OperandDisplay::SimboloEndereco, "simboloendereco"}};

        // The example project with its timers, counter, jump and sealed siren, logic 5 open.
        const auto languages = std::filesystem::path(VELMORA_DATA_DIR) / "ConfigIdiomas.txt";
        ws_ = std::make_unique<Workspace>();
        CarregaIdiomas(languages, ws_->language.table);
        const auto example =
            std::filesystem::path(VELMORA_DATA_DIR) / "examples" / "temporizadores.vlp";
        const auto loaded = project::CarregaProjeto(example, ws_->project, ws_->ladder.program);
        QVERIFY2(loaded.ok, "example project");
        tables::DefineSimbolo(ws_->project.symbols, "%I0.0", "PARTIDA");
        tables::DefineSimbolo(ws_->project.symbols, "%Q0.0", "MOTOR");
        tables::DefineSimbolo(ws_->project.symbols, "%Q0.3", "SIRENE");
        QVERIFY(ws_->ladder.AbreLogica(5));
        page_ = std::make_unique<LadderPage>(*ws_);
        page_->resize(800, 900);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
        for (const auto& m : modes) {
            page_->setDisplay(m.mode);
            const QString file =
                QString("%1/ladder-example-%2.png").arg(QString::fromLocal8Bit(dir), m.name);
            QVERIFY(page_->grab().save(file));
        }

        // Every common element together, with a comparison and an arithmetic box.
        page_.reset();
        ws_ = std::make_unique<Workspace>();
        CarregaIdiomas(languages, ws_->language.table);
        demoProgram(*ws_);
        QVERIFY(ws_->ladder.AbreLogica(4));
        page_ = std::make_unique<LadderPage>(*ws_);
        page_->resize(800, 900);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
        for (const auto& m : modes) {
            page_->setDisplay(m.mode);
            const QString file =
                QString("%1/ladder-demo-%2.png").arg(QString::fromLocal8Bit(dir), m.name);
            QVERIFY(page_->grab().save(file));
        }
    }
};

QTEST_MAIN(LadderPageTest)
#include "ladder_page_test.moc"
