#pragma once

#include "core/lang/language_choice.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace velmora {
class Prompts;
struct Workspace;
} // namespace velmora

namespace velmora::gui {

class TFrmIdiomas;

// The language selection dialog (menu item Idioma1). OK asks before changing the current
// language and then writes the settings file; the main window shows the new language the
// next time it is activated. Typing the access code opens the language editor.
class TFrmConfigIdioma : public QDialog {
    Q_OBJECT
public:
    TFrmConfigIdioma(Workspace& ws, Prompts& prompts, QWidget* parent = nullptr);

    // Sets the captions from the language table.
    void retranslate();

    // The editor window the access code opens; made on first need when none was given.
    void setLanguageEditor(TFrmIdiomas* editor) { editor_ = editor; }
    TFrmIdiomas* languageEditor();

    void BtnOKClick();
    void BtnCancelarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchKey(const QKeyEvent& event);

    Workspace& ws_;
    Prompts& prompts_;
    AccessCodeWatcher watcher_;
    QComboBox* cbIdioma_ = nullptr;
    QPointer<TFrmIdiomas> editor_;
};

} // namespace velmora::gui
