#include "core/lang/language_file.h"
#include "core/text/line_file.h"
#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "gui/lang/frm_config_idioma.h"
#include "gui/lang/frm_idiomas.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace velmora;
using namespace velmora::gui;
using Answer = Prompts::Answer;

class LangWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;

    std::filesystem::path homePath() const { return home_.path().toStdString(); }

    // Two languages; message n reads "Texto n" / "Text n", with a few named ones.
    void writeTable() {
        QFile file(home_.filePath("ConfigIdiomas.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ID;Local;Portugu\xEAs;English;\r\n");
        for (int n = 1; n <= 459; ++n) {
            QByteArray pt = "Texto " + QByteArray::number(n);
            QByteArray en = "Text " + QByteArray::number(n);
            if (n == 12) {
                pt = "&Projeto";
                en = "&Project";
            } else if (n == 439) {
                pt = "Idioma";
                en = "Language";
            } else if (n == 440) {
                pt = "Escolha o idioma";
                en = "Choose the language";
            } else if (n == 441) {
                pt = "Trocar o idioma?";
                en = "Change the language?";
            }
            file.write(QByteArray::number(n) + ";x;" + pt + ";" + en + ";\r\n");
        }
    }

    void activate(QWidget* w) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    QString settingsText() const {
        QFile f(home_.filePath("configvlm.cfg"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

private slots:
    void init() {
        writeTable();
        QFile::remove(home_.filePath("configvlm.cfg"));
        prompts_ = test::ScriptedPrompts();
        window_ = std::make_unique<MainWindow>(StartupOptions{homePath(), {}, &prompts_});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void switchingTheLanguageChangesTheMainWindowOnActivation() {
        auto* miProjeto = window_->findChild<QMenu*>("miProjeto");
        QCOMPARE(miProjeto->title(), QString("&Projeto"));

        TFrmConfigIdioma dialog(window_->workspace(), prompts_, window_.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Idioma"));
        QCOMPARE(dialog.findChild<QGroupBox*>("gbIdioma")->title(), QString("Escolha o idioma"));
        auto* cbIdioma = dialog.findChild<QComboBox*>("cbIdioma");
        QCOMPARE(cbIdioma->count(), 2);
        QCOMPARE(cbIdioma->itemText(0), QString::fromUtf8("Portugu\xC3\xAAs"));
        QCOMPARE(cbIdioma->currentIndex(), 0);

        cbIdioma->setCurrentIndex(1);
        prompts_.queueAnswer(Answer::Yes);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(prompts_.shown.back().text, std::string("Trocar o idioma?"));
        QCOMPARE(window_->workspace().language.current, 1);
        QVERIFY(settingsText().contains("IDIOMA = 1\r\n"));

        activate(window_.get());
        QCOMPARE(miProjeto->title(), QString("&Project"));
    }

    void declinedOrCancelledKeepsTheLanguage() {
        TFrmConfigIdioma dialog(window_->workspace(), prompts_, window_.get());
        dialog.show();
        auto* cbIdioma = dialog.findChild<QComboBox*>("cbIdioma");
        cbIdioma->setCurrentIndex(1);
        prompts_.queueAnswer(Answer::No);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOK"), Qt::LeftButton);
        QCOMPARE(window_->workspace().language.current, 0);
        QVERIFY(settingsText().isEmpty());

        dialog.show();
        cbIdioma->setCurrentIndex(1);
        const auto asked = prompts_.shown.size();
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnCancelar"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(prompts_.shown.size(), asked);
        QCOMPARE(window_->workspace().language.current, 0);
    }

    void theAccessCodeOpensTheEditor() {
        TFrmConfigIdioma dialog(window_->workspace(), prompts_, window_.get());
        dialog.show();
        activate(&dialog);
        auto* cbIdioma = dialog.findChild<QComboBox*>("cbIdioma");
        cbIdioma->setFocus();
        QTest::keyClicks(cbIdioma, "trvmkqzwxdfgbjm"); // last letter wrong
        QVERIFY(!dialog.languageEditor()->isVisible());
        QTest::keyClicks(cbIdioma, "xtrvmkqzwxdfgbjn");
        QVERIFY(dialog.languageEditor()->isVisible());
        QCOMPARE(dialog.languageEditor()->windowTitle(),
                 QString::fromUtf8("Configura\xC3\xA7\xC3\xA3o de Idiomas"));
        dialog.languageEditor()->close();
    }

    void theEditorEditsTheTableAndSavesIt() {
        Workspace& ws = window_->workspace();
        ws.language.current = 1;
        TFrmIdiomas editor(ws, prompts_, window_.get());
        editor.show();
        activate(&editor);
        auto* grid = editor.findChild<QTableWidget*>("AdvIdiomas");
        auto* edicao = editor.findChild<QComboBox*>("cbIdiomaEdicao");
        auto* comparacao = editor.findChild<QComboBox*>("cbIdiomaComparacao");
        QCOMPARE(grid->rowCount(), 459);
        QCOMPARE(edicao->currentIndex(), 1);
        QCOMPARE(grid->horizontalHeaderItem(2)->text(),
                 QString::fromUtf8("Tradu\xC3\xA7\xC3\xA3o - English"));
        QCOMPARE(grid->item(11, 2)->text(), QString("&Project"));
        QVERIFY(!(grid->item(11, 3)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(11, 2)->flags() & Qt::ItemIsEditable);
        QCOMPARE(editor.findChild<QToolButton*>("tbNovoItem")->toolTip(),
                 QString("Incluir nova palavra/frase"));

        comparacao->setCurrentIndex(0);
        QCOMPARE(grid->horizontalHeaderItem(3)->text(),
                 QString::fromUtf8("Compara\xC3\xA7\xC3\xA3o - Portugu\xC3\xAAs"));
        QCOMPARE(grid->item(11, 3)->text(), QString("&Projeto"));

        // A typed ";" is refused and the cell shows the stored text again.
        grid->item(4, 2)->setText("a;b");
        QCOMPARE(prompts_.shown.back().kind, Prompts::Kind::Error);
        QCOMPARE(grid->item(4, 2)->text(), QString("Text 5"));

        // A text typed in the cell editor and not yet committed is saved with the rest.
        grid->setCurrentCell(11, 2);
        grid->editItem(grid->item(11, 2));
        auto* cellEditor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(cellEditor != nullptr);
        QTest::keyClick(cellEditor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(cellEditor, "&Projects");
        QTest::mouseClick(editor.findChild<QToolButton*>("tbSalvar"), Qt::LeftButton);
        LanguageTable saved;
        QVERIFY(CarregaIdiomas(ws.home.languageFile(), saved));
        QCOMPARE(saved.rows[12][3], std::string("&Projects"));
        QCOMPARE(ws.language.text(12), std::string("&Projects")); // in effect at once

        // A new language from the tool button appears in both lists.
        prompts_.queueInput(std::string("Espa\xF1ol"));
        QTest::mouseClick(editor.findChild<QToolButton*>("tbNovo"), Qt::LeftButton);
        QCOMPARE(edicao->count(), 3);
        QCOMPARE(comparacao->itemText(2), QString::fromUtf8("Espa\xC3\xB1ol"));

        // Deleting the edited language (the current one) keeps the lookups working.
        prompts_.queueAnswer(Answer::Yes);
        QTest::mouseClick(editor.findChild<QToolButton*>("tbExcluir"), Qt::LeftButton);
        QCOMPARE(edicao->count(), 2);
        QCOMPARE(edicao->currentIndex(), 0);
        QCOMPARE(ws.language.current, 0);
        QCOMPARE(ws.language.text(12), std::string("&Projeto"));

        // Delete phrase on the selected row, then a new phrase selects that row again.
        grid->setCurrentCell(36, 1);
        prompts_.queueAnswer(Answer::Yes);
        QTest::mouseClick(editor.findChild<QToolButton*>("tbExcluirItem"), Qt::LeftButton);
        QCOMPARE(grid->item(36, 2)->text(), QString());
        grid->setCurrentCell(0, 0);
        QTest::mouseClick(editor.findChild<QToolButton*>("tbNovoItem"), Qt::LeftButton);
        QCOMPARE(grid->currentRow(), 36);
        QCOMPARE(grid->rowCount(), 459);

        QTest::mouseClick(editor.findChild<QToolButton*>("tbSair"), Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QCOMPARE(prompts_.unexpectedQuestions, 0);
    }
};

int main(int argc, char** argv) {
    VelmoraApplication app(argc, argv);
    LangWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "lang_windows_test.moc"
