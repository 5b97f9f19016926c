#pragma once

#include "core/workspace.h"
#include "gui/adapters/qt_prompts.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <memory>

class QAction;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace velmora::gui {

class TFrmListadeInstrucao;
class USplash;

struct StartupOptions {
    std::filesystem::path home;        // the start-up folder
    std::filesystem::path shippedData; // the installed data/ to seed it from
    Prompts* prompts = nullptr;        // boxes go here instead of real ones (tests)
};

// The main window: menus, tool bars, the page notebook and the status bar. It owns the
// session's Workspace for the whole run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The notebook's pages.
    enum Page { StartPage = 0, LadderPage = 1, InstructionListPage = 2, HmiPage = 3 };

    explicit MainWindow(const StartupOptions& options, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return ws_; }
    Prompts& prompts() { return *prompts_; }
    // Boxes go to `prompts` instead of real message boxes (tests script the answers).
    void usePrompts(Prompts& prompts) { prompts_ = &prompts; }

    // Sets every caption and hint from the language table.
    void retranslate();

    void showPage(Page page);
    Page currentPage() const;

    // The last-resort handler for an error nothing else handled.
    void handleUnexpectedError(const std::string& what);

    // "Sobre o Velmora": the splash window again, created anew if it is gone.
    void showAbout();

    TFrmListadeInstrucao* instructionListWindow() const { return frmListadeInstrucao_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    void buildPages();
    void buildPopupMenus();
    void applyNoProjectState();
    // Language dialog, display-mode marks, TbMantendo and the recent entries.
    void wireSettings();
    void applySettings();

    Workspace ws_;
    QtPrompts qtPrompts_;
    Prompts* prompts_ = &qtPrompts_;
    QStackedWidget* notebook_ = nullptr;
    TFrmListadeInstrucao* frmListadeInstrucao_ = nullptr;
    QPointer<USplash> about_;
};

} // namespace velmora::gui
