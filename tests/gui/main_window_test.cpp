#include "core/lang/captions.h"
#include "gui/app/application.h"
#include "gui/app/instruction_list_window.h"
#include "gui/app/main_window.h"
#include "gui/app/splash.h"
#include "support/scripted_prompts.h"

#include <QAction>
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
    std::unique_ptr<MainWindow> window_;

private slots:
    void init() {
        window_ = std::make_unique<MainWindow>(StartupOptions{home_.path().toStdString(), {}});
        window_->show();
    }
    void cleanup() { window_.reset(); }

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

    void captionsComeFromTheLanguageTable() {
        // With no table read, every caption is the lookup's failure text for its number.
        QCOMPARE(window_->findChild<QMenu*>("miProjeto")->title(), QString(" [12 ] com Falha"));
        QCOMPARE(window_->findChild<QAction*>("TbCompila")->toolTip(),
                 QString(" [133 ] com Falha"));
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
