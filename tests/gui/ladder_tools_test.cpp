#include "core/ladder/catalogue.h"
#include "core/ladder/editor_state.h"
#include "core/workspace.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_page.h"
#include "gui/ladder/ladder_tools.h"
#include "gui/ladder/ladder_tools_images.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace velmora;
using namespace velmora::gui;

namespace {

QImage snapshot(LadderPage* page) {
    return page->image()->bitmap().copy();
}

// Pixels that are neither white nor the silver of a highlight inside a rectangle.
int inkIn(const QImage& image, const velmora::Rect& r) {
    int ink = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c != QColor(Qt::white) && c != QColor(192, 192, 192)) {
                ++ink;
            }
        }
    }
    return ink;
}

} // namespace

class LadderToolsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
    LadderPage* page_ = nullptr;

    Workspace& ws() { return window_->workspace(); }
    QPoint cellCentre(int c, int r) {
        const auto& g = page_->state().geometry;
        const velmora::Rect rect = g.cellRect(c, r, ws().ladder.workingCopy.topY);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    QToolButton* button(const char* name) {
        auto* bar = window_->findChild<QToolBar*>(QStringLiteral("ToolBarLadder"));
        return bar->findChild<QToolButton*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        QVERIFY(home_.isValid());
        StartupOptions options;
        options.home = home_.path().toStdString();
        options.shippedData = VELMORA_DATA_DIR;
        options.prompts = &prompts_;
        window_ = std::make_unique<MainWindow>(options);
        window_->show();
        window_->showPage(MainWindow::LadderPage);
        page_ = window_->findChild<LadderPage*>(QStringLiteral("PaginaLadder"));
        QVERIFY(page_ != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QVERIFY(ws().ladder.AbreLogica(1));
        page_->Desenha();
        prompts_.shown.clear(); // whatever the start-up had to say
    }
    void cleanup() {
        window_.reset();
        prompts_.shown.clear();
    }

    void everyToolButtonIsThereAndHiddenOnesAreHidden() {
        for (const LadderToolButton& b : ladderToolButtons()) {
            auto* a = window_->findChild<QAction*>(QString::fromLatin1(b.component));
            QVERIFY2(a != nullptr, b.component);
            QCOMPARE(a->isVisible(), !b.hidden);
            QCOMPARE(a->data().toInt(), b.tool);
            QVERIFY(!a->icon().isNull());
        }
    }

    void iconsComeFromTheElementDrawing() {
        // A contact and a coil are drawn differently, and neither is blank.
        const QImage contact = ladderToolImage(1);
        const QImage coil = ladderToolImage(5);
        const QImage timer = ladderToolImage(9);
        QVERIFY(contact != coil);
        QVERIFY(timer.height() > contact.height()); // two rows
        QVERIFY(inkIn(contact, {0, 0, contact.width(), contact.height()}) > 20);
        QVERIFY(ladderToolCursor(9).shape() == Qt::BitmapCursor);
        QVERIFY(ladderToolCursor(ladder::kToolArrow).shape() == Qt::ArrowCursor);
    }

    void toolButtonThenCellPlacesTheElement() {
        const QImage before = snapshot(page_);
        QTest::mouseClick(button("TBTON"), Qt::LeftButton);
        QCOMPARE(ws().ladderEditor.tool, 9);
        QVERIFY(window_->findChild<QAction*>(QStringLiteral("TBTON"))->isChecked());

        QTest::mouseClick(page_->image(), Qt::LeftButton, {}, cellCentre(2, 3));
        // The first element of an empty logic goes to row 0.
        const auto& wc = ws().ladder.workingCopy;
        QCOMPARE(QString::fromStdString(wc.element(2, 0).text),
                 QStringLiteral("TON1001000#T # #1#1"));
        QCOMPARE(QString::fromStdString(wc.element(2, 1).text), QStringLiteral("TON2001000"));
        // Buttons released, tool back to the arrow, stored program untouched until commit.
        QCOMPARE(ws().ladderEditor.tool, ladder::kToolArrow);
        QVERIFY(!window_->findChild<QAction*>(QStringLiteral("TBTON"))->isChecked());
        QVERIFY(ws().ladder.program.logic(1).element(2, 0).empty());

        const QImage after = snapshot(page_);
        const auto& g = page_->state().geometry;
        const velmora::Rect timer = g.cellRect(2, 0, wc.topY);
        QVERIFY(inkIn(after, timer) > inkIn(before, timer) + 20);
    }

    void keepToolLeavesTheToolChosen() {
        window_->findChild<QAction*>(QStringLiteral("TbMantendo"))->setChecked(true);
        QTest::mouseClick(button("TBCNA"), Qt::LeftButton);
        QTest::mouseClick(page_->image(), Qt::LeftButton, {}, cellCentre(4, 0));
        QTest::mouseClick(page_->image(), Qt::LeftButton, {}, cellCentre(5, 0));
        const auto& wc = ws().ladder.workingCopy;
        QCOMPARE(QString::fromStdString(wc.element(0, 0).text), QStringLiteral("CNA1001010#% "));
        QCOMPARE(QString::fromStdString(wc.element(5, 0).text), QStringLiteral("CNA1001000#% "));
        QCOMPARE(ws().ladderEditor.tool, 1);
    }

    void replacingAsksWithMessage232() {
        auto& wc = ws().ladder.workingCopy;
        wc.element(0, 0).set("CNA1001010#%I0.0");
        wc.element(3, 0).set("CNF1001000#%I0.1");
        page_->Desenha();
        prompts_.queueAnswer(Prompts::Answer::Yes);
        QTest::mouseClick(button("TBCNA"), Qt::LeftButton);
        QTest::mouseClick(page_->image(), Qt::LeftButton, {}, cellCentre(3, 0));
        QCOMPARE(prompts_.texts(), std::vector<std::string>{ws().language.text(232)});
        QCOMPARE(QString::fromStdString(wc.element(3, 0).text), QStringLiteral("CNA1001000#% "));
    }

    void compileAndInsertFollowTheOpenLogic() {
        auto* compila = window_->findChild<QAction*>(QStringLiteral("TbCompila"));
        auto* insere = window_->findChild<QAction*>(QStringLiteral("TbInsereLogica"));
        QVERIFY(compila->isEnabled());
        QVERIFY(!insere->isEnabled());
        QVERIFY(window_->findChild<QAction*>(QStringLiteral("miInserirLinha"))->isEnabled());
        ws().ladder.DescartaLogica();
        page_->Desenha();
        QVERIFY(!compila->isEnabled());
        QVERIFY(insere->isEnabled());
        QVERIFY(!window_->findChild<QAction*>(QStringLiteral("miInserirColuna"))->isEnabled());
        insere->trigger();
        QCOMPARE(ws().ladder.program.count(), 2);
        QCOMPARE(ws().ladder.openLogic(), 2);
        QVERIFY(compila->isEnabled());
    }

    void insertColumnFromTheMenu() {
        auto& wc = ws().ladder.workingCopy;
        ladder::writeElement(wc, *ladder::findElement("CNA"), 0, 0);
        ladder::writeElement(wc, *ladder::findElement("CNF"), 1, 0);
        page_->Desenha();
        ws().ladderEditor.last = {1, 0};
        window_->findChild<QAction*>(QStringLiteral("miInserirColuna"))->trigger();
        QCOMPARE(QString::fromStdString(wc.element(1, 0).text), QStringLiteral("CRT1001000"));
        QCOMPARE(QString::fromStdString(wc.element(2, 0).text).left(3), QStringLiteral("CNF"));
    }
};

QTEST_MAIN(LadderToolsTest)
#include "ladder_tools_test.moc"
