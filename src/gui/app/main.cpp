#include "core/project/home.h"
#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "gui/app/splash.h"

#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace {

namespace fs = std::filesystem;

// The shipped data files: installed beside the program, else the source tree's data/.
fs::path shippedDataFolder() {
    const fs::path installed =
        fs::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "share" / "velmora";
    if (fs::is_directory(installed)) {
        return installed;
    }
    return fs::path(VELMORA_SOURCE_DATA_DIR);
}

} // namespace

int main(int argc, char** argv) {
    velmora::gui::VelmoraApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmora::gui::USplash::kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora: ladder programming environment"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption homeOption(QStringLiteral("home"),
                                        QStringLiteral("Start-up folder (settings, language "
                                                       "table, memory map, projects)."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Start without the splash window."));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("Page to show first: 0 start, 1 ladder, "
                                                       "2 instruction list, 3 HMI (for "
                                                       "screenshots)."),
                                        QStringLiteral("N"));
    parser.addOption(homeOption);
    parser.addOption(noSplash);
    parser.addOption(pageOption);
    parser.process(app);

    std::optional<fs::path> homeArg;
    if (parser.isSet(homeOption)) {
        homeArg = fs::path(parser.value(homeOption).toStdString());
    }
    velmora::gui::StartupOptions options;
    options.home = velmora::resolveHomeFolder(homeArg, std::getenv("VELMORA_HOME"),
                                              std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    options.shippedData = shippedDataFolder();
    const auto prepared =
        velmora::prepareHomeFolder(velmora::HomeFolder{options.home}, options.shippedData);
    if (!prepared.ok) {
        std::cerr << "velmora: " << prepared.error << "\n";
    }

    std::unique_ptr<velmora::gui::MainWindow> window;
    auto start = [&] {
        if (window) {
            return;
        }
        window = std::make_unique<velmora::gui::MainWindow>(options);
        app.setErrorHandler(
            [w = window.get()](const std::string& what) { w->handleUnexpectedError(what); });
        const int page = parser.value(pageOption).toInt();
        if (page >= velmora::gui::MainWindow::StartPage &&
            page <= velmora::gui::MainWindow::HmiPage) {
            window->showPage(static_cast<velmora::gui::MainWindow::Page>(page));
        }
        window->show();
    };

    velmora::gui::USplash splash;
    if (parser.isSet(noSplash)) {
        start();
    } else {
        splash.show();
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &app, [&] {
            splash.hide();
            start();
        });
        QObject::connect(&splash, &velmora::gui::USplash::dismissed, &app, [&] {
            timer.stop();
            start();
        });
        timer.start(velmora::gui::USplash::kStartMilliseconds);
        const int status = app.exec();
        app.setErrorHandler({});
        return status;
    }
    const int status = app.exec();
    app.setErrorHandler({});
    return status;
}
