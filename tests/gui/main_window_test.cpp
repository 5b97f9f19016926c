#include "core/lang/captions.h"
#include "core/project/settings.h"
#include "gui/app/application.h"
#include "gui/app/instruction_list_window.h"
#include "gui/app/main_window.h"
#include "gui/app/splash.h"
#include "gui/ladder/ladder_page.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <stdexcept>

using namespace velmora;
using namespace velmora::gui;

namespace {

// An object whose event handler fails, as a command handler with a fault would.
class FaultyObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            throw std::runtime_error("falha simulada");
        }
        return QObject::event(e);
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    test::ScriptedPrompts startupPrompts_;
    std::unique_ptr<MainWindow> window_;

    void open() {
        window_ = std::make_unique<MainWindow>(
            StartupOptions{home_.path().toStdString(), {}, &startupPrompts_});
        window_->show();
    }

private slots:
    void init() { open(); }
    void cleanup() {
        window_.reset();
        QFile::remove(home_.filePath("ConfigIdiomas.txt"));
        startupPrompts_.shown.clear();
    }

    void hasTheNamedComponentsAndBothPages() {
        QVERIFY(window_->findChild<QToolButton*>("TbCompila"));
        QVERIFY(window_->findChild<QAction*>("TbCompila"));
        QVERIFY(window_->findChild<QMenu*>("miProjeto"));
        auto* notebook = window_->findChild<QStackedWidget*>("NotebookPrincipal");
        QVERIFY(notebook);
        QCOMPARE(notebook->count(), 4);
        QCOMPARE(notebook->widget(MainWindow::LadderPage)->objectName(), QString("PaginaLadder"));
        QCOMPARE(notebook->widget(MainWindow::HmiPage)->objectName(), QString("PaginaIHM"));
        QVERIFY(window_->findChild<QPlainTextEdit*>("MemoLI"));
    }

    void everyCaptionedComponentExists() {
        // Each component the caption table names is present in the window.
        for (const auto& e : mainWindowCaptions()) {
            const QString name = QString::fromLatin1(e.component.data(), e.component.size());
            QVERIFY2(!window_->findChildren<QObject*>(name).isEmpty(), qPrintable(name));
        }
    }

    void startsWithNoProject() {
        QCOMPARE(window_->windowTitle(), QString("Velmora"));
        QCOMPARE(window_->currentPage(), MainWindow::StartPage);
        QVERIFY(!window_->findChild<QAction*>("TbCompila")->isEnabled());
        QVERIFY(window_->findChild<QAction*>("miSair")->isEnabled());
        QVERIFY(!window_->findChild<QMenu*>("miCLP")->menuAction()->isVisible());
    }

    void withoutALanguageTableCaptionsShowTheFailureText() {
        QCOMPARE(startupPrompts_.shown.size(), size_t(1));
        QCOMPARE(startupPrompts_.shown[0].text,
                 std::string("Falha na abertura do arquivo de Idiomas"));
        QCOMPARE(window_->findChild<QMenu*>("miProjeto")->title(), QString(" [12 ] com Falha"));
        QCOMPARE(window_->findChild<QAction*>("TbCompila")->toolTip(),
                 QString(" [133 ] com Falha"));
    }

    void captionsComeFromTheStartupFolderTable() {
        window_.reset();
        QFile file(home_.filePath("ConfigIdiomas.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ID;Local;Portugu\xEAs;\r\n");
        for (int n = 1; n <= 200; ++n) {
            file.write(QByteArray::number(n) + ";x;Texto " + QByteArray::number(n) + ";\r\n");
        }
        file.write("12;x;&Projeto;\r\n"); // a row past the table: never looked up
        file.close();
        startupPrompts_.shown.clear();
        open();
        QVERIFY(startupPrompts_.shown.empty());
        QCOMPARE(window_->findChild<QMenu*>("miProjeto")->title(), QString("Texto 12"));
        QCOMPARE(window_->findChild<QAction*>("TbCompila")->toolTip(), QString("Texto 133"));
    }

    void settingsDriveTheMarksTheKeepButtonAndTheRecentEntries() {
        window_.reset();
        const QString project = home_.filePath("obra.vlp");
        QFile(project).open(QIODevice::WriteOnly);
        QFile settings(home_.filePath("configvlm.cfg"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("\r\nMODO EXIBICAO = S\r\nMANTER LADDER = TRUE\r\nPROJETO 01 = " +
                       project.toUtf8() + "\r\n");
        settings.close();
        open();
        QVERIFY(window_->findChild<QAction*>("miExibeSimbolo")->isChecked());
        QVERIFY(!window_->findChild<QAction*>("miExibeEndereco")->isChecked());
        QVERIFY(window_->findChild<QAction*>("TbMantendo")->isChecked());
        QAction* recent = window_->findChild<QAction*>("miRecente1");
        QVERIFY(recent->isVisible());
        QCOMPARE(recent->data().toString(), project);
        QVERIFY(!window_->findChild<QAction*>("miRecente2")->isVisible());

        auto* page = window_->findChild<gui::LadderPage*>("PaginaLadder");
        QCOMPARE(page->display(), ladder::OperandDisplay::Simbolo);
        window_->findChild<QAction*>("miEnderecoSimbolo")->trigger();
        QCOMPARE(window_->workspace().settings.modoExibicao, DisplayMode::SimboloEndereco);
        QCOMPARE(page->display(), ladder::OperandDisplay::SimboloEndereco);
        window_->close(); // writes the settings
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("MODO EXIBICAO = B"));
        settings.close();
        QFile::remove(home_.filePath("configvlm.cfg"));
    }

    void aboutShowsTheSplashWithTheVersion() {
        window_->findChild<QAction*>("miSobreVelmora")->trigger();
        auto* splash = window_->findChild<USplash*>();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->findChild<QLabel*>("LabelVersao")->text(), QString("13.00"));
        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(!splash->isVisible());
    }

    void unexpectedErrorsAreKeptAndReported() {
        auto* app = static_cast<VelmoraApplication*>(QCoreApplication::instance());
        test::ScriptedPrompts prompts;
        window_->usePrompts(prompts);
        app->setErrorHandler(
            [this](const std::string& what) { window_->handleUnexpectedError(what); });
        FaultyObject faulty;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &event);
        app->setErrorHandler({});
        auto* memo = window_->instructionListWindow()->memoException();
        QVERIFY(memo->toPlainText().contains("falha simulada"));
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].kind, Prompts::Kind::Error);
        QVERIFY(window_->isVisible()); // the program goes on
    }
};

int main(int argc, char** argv) {
    VelmoraApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
