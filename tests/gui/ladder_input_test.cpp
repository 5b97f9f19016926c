#include "core/ladder/cell.h"
#include "core/project/home.h"
#include "core/workspace.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_input.h"
#include "gui/ladder/ladder_page.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace velmora;
using namespace velmora::gui;

class LadderInputTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
    LadderPage* page_ = nullptr;

    Workspace& ws() { return window_->workspace(); }
    QWidget* image() { return page_->image(); }
    QLineEdit* editValor() { return window_->findChild<QLineEdit*>("EditValor"); }

    // The middle of cell (c, r) of logic n as last laid out.
    QPoint cellPoint(int n, int c, int r) {
        const auto& g = page_->state().geometry;
        const auto cell = g.cellRect(c, r, ws().ladder.program.logic(n).topY);
        return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }

    void chooseTool(const char* name) {
        auto* bar = window_->findChild<QToolBar*>("ToolBarLadder");
        QVERIFY(bar != nullptr);
        auto* action = window_->findChild<QAction*>(name);
        QVERIFY2(action != nullptr, name);
        QWidget* button = bar->widgetForAction(action);
        QVERIFY2(button != nullptr, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A tool, a click on a cell of the open logic, then the operand typed and Enter.
    void placeWithOperand(const char* tool, int c, int r, const char* operand) {
        chooseTool(tool);
        QTest::mouseClick(image(), Qt::LeftButton, {}, cellPoint(ws().ladder.openLogic(), c, r));
        QVERIFY(editValor()->isVisible());
        QTest::keyClicks(editValor(), operand);
        QTest::keyClick(editValor(), Qt::Key_Return);
        QVERIFY(!editValor()->isVisible());
    }

private slots:
    void init() {
        QVERIFY(home_.isValid());
        prepareHomeFolder(HomeFolder{home_.path().toStdString()}, VELMORA_DATA_DIR);
        window_ =
            std::make_unique<MainWindow>(StartupOptions{home_.path().toStdString(), {}, &prompts_});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->showPage(MainWindow::LadderPage);
        page_ = window_->findChild<LadderPage*>("PaginaLadder");
        QVERIFY(page_ != nullptr);
        page_->Desenha();
        QVERIFY(editValor() != nullptr);
        QVERIFY(!editValor()->isVisible());
    }

    void cleanup() {
        window_.reset();
        prompts_.shown.clear();
    }

    void buildsALogicWithMouseAndKeysThenChangesAnOperandByItsMenu() {
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 0, 0));
        QCOMPARE(ws().ladder.openLogic(), 1);

        placeWithOperand("TBCNA", 0, 0, "i0.0");
        placeWithOperand("TBCNA", 1, 0, "I0.1");
        placeWithOperand("TBBOB", 2, 0, "q0.0");
        QCOMPARE(ws().ladder.workingCopy.element(9, 0).text, std::string("BOB1001000#%Q0.0"));

        // Enter on the drawing commits; on the last logic a new one opens below.
        image()->setFocus();
        QTest::keyClick(image(), Qt::Key_Return);
        const auto& stored = ws().ladder.program.logic(1);
        QCOMPARE(stored.element(0, 0).text, std::string("CNA1001010#%I0.0"));
        QCOMPARE(stored.element(1, 0).text, std::string("CNA1001000#%I0.1"));
        QCOMPARE(stored.element(9, 0).text, std::string("BOB1001000#%Q0.0"));
        QCOMPARE(ws().ladder.program.count(), 2);
        QCOMPARE(ws().ladder.openLogic(), 2);
        QVERIFY2(prompts_.shown.empty(),
                 prompts_.shown.empty() ? "" : prompts_.shown.front().text.c_str());

        // Back to logic 1, the first contact's address changed through its menu.
        page_->Desenha();
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 0, 0));
        QCOMPARE(ws().ladder.openLogic(), 1);
        page_->Desenha();
        QTest::mouseClick(image(), Qt::RightButton, {}, cellPoint(1, 0, 0));
        auto* menu = window_->findChild<QMenu*>("PopupEntradas");
        QVERIFY(menu->isVisible());
        QVERIFY(!window_->findChild<QAction*>("miContatoNormalmenteAberto")->isVisible());
        QVERIFY(window_->findChild<QAction*>("miContantoNormalmenteFechado")->isVisible());
        window_->findChild<QAction*>("miAlterarEnderecoContato")->trigger();
        QVERIFY(!menu->isVisible());
        QVERIFY(editValor()->isVisible());
        QCOMPARE(editValor()->text(), QString("%I0.0"));
        QCOMPARE(editValor()->selectedText(), QString("%I0.0"));
        QTest::keyClicks(editValor(), "i0.5");
        QTest::keyClick(editValor(), Qt::Key_Return);
        QVERIFY(!editValor()->isVisible());
        image()->setFocus();
        QTest::keyClick(image(), Qt::Key_Return);
        QVERIFY(!ws().ladder.isOpen());
        QCOMPARE(ws().ladder.program.logic(1).element(0, 0).text, std::string("CNA1001010#%I0.5"));
    }

    void timerFieldsUseTheirMasksAndEscapeCancels() {
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 0, 0));
        placeWithOperand("TBCNA", 0, 0, "I0.0");
        chooseTool("TBTON");
        QTest::mouseClick(image(), Qt::LeftButton, {}, cellPoint(1, 1, 0));
        QVERIFY(editValor()->isVisible());
        QCOMPARE(editValor()->text(), QString("%T"));
        // The prefix cannot be typed over, and only digits go into the number.
        QTest::keyClicks(editValor(), "x12");
        QCOMPARE(editValor()->text(), QString("%T12"));
        QTest::keyClick(editValor(), Qt::Key_Return);
        QCOMPARE(editValor()->text(), QString("P:="));
        QTest::keyClicks(editValor(), "500");
        QTest::keyClick(editValor(), Qt::Key_Escape);
        QVERIFY(!editValor()->isVisible());
        QCOMPARE(ws().ladder.workingCopy.element(1, 0).text, std::string("TON1001000#%T12# #1#1"));
    }

    void functionKeysOpenMenusAtTheCursorAndF4SwitchesThePage() {
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 2, 1));
        QCOMPARE(ws().ladder.openLogic(), 1);
        image()->setFocus();
        QTest::keyClick(image(), Qt::Key_F5);
        auto* menu = window_->findChild<QMenu*>("PopupEntradas");
        QVERIFY(menu->isVisible());
        // An empty cell: nothing to change, so the parameter items are hidden.
        QVERIFY(!window_->findChild<QAction*>("miAlterarEnderecoContato")->isVisible());
        QVERIFY(window_->findChild<QAction*>("miContatoNormalmenteAberto")->isVisible());
        window_->findChild<QAction*>("miContatoNormalmenteAberto")->trigger();
        QVERIFY(editValor()->isVisible());
        QTest::keyClicks(editValor(), "m3");
        QTest::keyClick(editValor(), Qt::Key_Return);
        QCOMPARE(ws().ladder.workingCopy.element(0, 0).text, std::string("CNA1001010#%M3"));

        image()->setFocus();
        QTest::keyClick(image(), Qt::Key_F4);
        QCOMPARE(window_->currentPage(), MainWindow::InstructionListPage);
        QTest::keyClick(window_.get(), Qt::Key_F4);
        QCOMPARE(window_->currentPage(), MainWindow::LadderPage);
        // Application shortcuts are not taken: Ctrl+Right leaves the cursor alone.
        image()->setFocus();
        const auto before = ws().ladderEditor.cursor;
        QTest::keyClick(image(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(ws().ladderEditor.cursor, before);
        QTest::keyClick(image(), Qt::Key_Right);
        QCOMPARE(ws().ladderEditor.cursor.column, before.column + 1);
    }

    void symbolEditNamesTheContactsOperand() {
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 0, 0));
        placeWithOperand("TBCNA", 0, 0, "I0.2");
        prompts_.queueInput(std::string("botao"));
        QTest::mouseClick(image(), Qt::RightButton, {}, cellPoint(1, 0, 0));
        window_->findChild<QAction*>("miAlteraSimboloContato")->trigger();
        QCOMPARE(tables::EnderecoDoSimbolo(ws().project.symbols, "BOTAO"), std::string("%I0.2"));
    }

    // A picture for the documentation: set VELMORA_SCREENSHOT_DIR.
    void screenshotOfTheEntryOverATimer() {
        const QByteArray dir = qgetenv("VELMORA_SCREENSHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("VELMORA_SCREENSHOT_DIR not set");
        }
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QTest::mouseDClick(image(), Qt::LeftButton, {}, cellPoint(1, 0, 0));
        placeWithOperand("TBCNA", 0, 0, "I0.0");
        chooseTool("TBTON");
        QTest::mouseClick(image(), Qt::LeftButton, {}, cellPoint(1, 1, 0));
        QTest::keyClicks(editValor(), "5");
        QTest::keyClick(editValor(), Qt::Key_Return);
        QTest::keyClicks(editValor(), "150");
        QVERIFY(editValor()->isVisible());
        QVERIFY(page_->grab().save(QString::fromLocal8Bit(dir) + "/ladder-editvalor-timer.png"));
    }
};

QTEST_MAIN(LadderInputTest)
#include "ladder_input_test.moc"
