#pragma once

// The mouse and keys of the ladder page, the operand entry field EditValor laid over the
// drawing, and the context menus of the elements: Qt events turned into the input controller's
// events, and its answers turned into redraws, the entry field and the menus.

#include "core/ladder/editor_commands.h"
#include "core/ladder/input_controller.h"
#include "core/seams/prompts.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLineEdit;
class QMenu;
class QKeyEvent;

namespace velmora::gui {

class LadderPage;
class MainWindow;

class LadderInput : public QObject {
    Q_OBJECT
public:
    explicit LadderInput(MainWindow& window);
    ~LadderInput() override;

    ladder::InputController& controller() { return *controller_; }
    QLineEdit* editValor() const { return editValor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Boxes go to whatever prompts the window uses at the moment.
    class WindowPrompts : public Prompts {
    public:
        explicit WindowPrompts(MainWindow& window) : window_(window) {}
        Answer ask(Kind kind, const std::string& text, Buttons buttons) override;
        std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                         const std::string& defaultValue) override;

    private:
        MainWindow& window_;
    };

    ladder::InputHooks hooks();
    ladder::EditorContext context();
    ladder::PlaceOutcome follow(const ladder::EditResult& result);
    void releaseToolButtons();
    void wireMenus();

    bool imageEvent(QEvent* event);
    bool windowKey(QObject* watched, QKeyEvent* key);
    bool entryKey(QKeyEvent* key);

    // Carries out what the controller answered.
    void apply(const ladder::InputResult& result, QPoint menuAt = {});
    void syncEntry(bool refused);
    void openMenu(const ladder::MenuRequest& request, QPoint globalAt);

    MainWindow& window_;
    LadderPage* page_ = nullptr;
    // Compared with the watched object while the page's children are being destroyed.
    QPointer<QWidget> image_;
    QLineEdit* editValor_ = nullptr;
    QPointer<QWidget> editValorAlive_; // null once EditValor is destroyed
    WindowPrompts prompts_;
    std::unique_ptr<ladder::InputController> controller_;
    QPointer<QWidget> lastKeyWidget_;
    quint64 lastKeyTime_ = 0;
    int lastKeyCode_ = 0;
};

// Installs the ladder input on the main window (called once, when it is built).
LadderInput* installLadderInput(MainWindow& window);

} // namespace velmora::gui
