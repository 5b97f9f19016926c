// The warning window before a download: its lines, and going on only past warnings.
#include "core/compiler/consistency.h"
#include "core/lang/language_file.h"
#include "gui/adapters/qt_text.h"
#include "gui/compiler/frm_compilacao_geral.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace velmora;
using velmora::gui::TFrmCompilacaoGeral;

namespace {

ladder::TPrograma programWith(const std::vector<std::pair<int, std::string>>& coils, int count) {
    ladder::TPrograma p;
    ladder::setLogicCount(p, count);
    for (const auto& [logic, text] : coils) {
        p.logic(logic).element(9, 0).set(text);
    }
    return p;
}

// Presses a button of the modal window once it is up.
void pressWhenShown(const char* button, bool* pressed, bool* enabled) {
    QTimer::singleShot(0, [=] {
        auto* w = qobject_cast<TFrmCompilacaoGeral*>(QApplication::activeModalWidget());
        if (w == nullptr) {
            return;
        }
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(button));
        *enabled = b != nullptr && b->isEnabled();
        *pressed = true;
        if (*enabled) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
        if (w->isVisible()) {
            w->reject();
        }
    });
}

} // namespace

class CompileWarningsTest : public QObject {
    Q_OBJECT
private slots:
    void linesInOrder() {
        const auto p = programWith(
            {{1, "BOB1001000#%Q0.0"}, {2, "BON1001000#%Q0.0"}, {3, "BOS1001000#%M5"}}, 3);
        TFrmCompilacaoGeral w;
        w.setWarnings(compiler::avisosPrograma(p));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("ListBoxCompilacaoGeral"));
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(),
                 gui::toQt("A bobina %Q0.0 est\xE1 repetida na l\xF3gica 2"));
        QCOMPARE(list->item(1)->text(),
                 gui::toQt("O endere\xE7o %M5 possui instru\xE7\xE3o de Set, mas n\xE3o possui "
                           "instru\xE7\xE3o de Reset"));
        QVERIFY(!w.canGoOn());
        QVERIFY(!w.goOnButton()->isEnabled());
        QCOMPARE(w.windowTitle(), gui::toQt("Avisos de compila\xE7\xE3o"));
    }

    void warningsLetTheUserGoOn() {
        const auto p = programWith({{1, "BOS1001000#%M5"}}, 1);
        bool pressed = false, enabled = false;
        pressWhenShown("BtnContinuar", &pressed, &enabled);
        QVERIFY(compiler::VerificaPrograma(p, gui::compileWarningWindow(nullptr)));
        QVERIFY(pressed);
        QVERIFY(enabled);
    }

    void repetitionsKeepTheDownloadBack() {
        const auto p = programWith({{1, "BOB1001000#%Q0.0"}, {2, "BOB1001000#%Q0.0"}}, 2);
        bool pressed = false, enabled = true;
        pressWhenShown("BtnContinuar", &pressed, &enabled);
        QVERIFY(!compiler::VerificaPrograma(p, gui::compileWarningWindow(nullptr)));
        QVERIFY(pressed);
        QVERIFY(!enabled);
    }

    void cleanProgramShowsNoWindow() {
        const auto p = programWith({{1, "BOB1001000#%Q0.0"}}, 1);
        int shown = 0;
        QTimer::singleShot(0, [&] {
            if (QApplication::activeModalWidget() != nullptr) {
                ++shown;
                QApplication::activeModalWidget()->close();
            }
        });
        QVERIFY(compiler::VerificaPrograma(p, gui::compileWarningWindow(nullptr)));
        QCoreApplication::processEvents();
        QCOMPARE(shown, 0);
    }

    void diagnosticsOfACompile() {
        Language language;
        CarregaIdiomas(std::string(VELMORA_DATA_DIR) + "/ConfigIdiomas.txt", language.table);
        compiler::ProgramCompile r;
        r.diagnostics = {{compiler::DiagnosticKind::Validation, 4, true, 226, {}, {}},
                         {compiler::DiagnosticKind::Consistency, 2, false, 0, {}, "aviso"}};
        TFrmCompilacaoGeral w;
        w.setDiagnostics(r, language);
        QCOMPARE(w.list()->count(), 2);
        QCOMPARE(w.list()->item(0)->text(), gui::toQt("L\xF3gica 004: " + language.text(226)));
        QCOMPARE(w.list()->item(1)->text(), gui::toQt("L\xF3gica 002: aviso"));
        QVERIFY(!w.canGoOn());
    }
};

QTEST_MAIN(CompileWarningsTest)
#include "compile_warnings_test.moc"
