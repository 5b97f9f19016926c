#pragma once

// "Avisos de compilação": the lines that stand between a program and its download. The user
// may go on only when every line is a warning; a repetition or an error keeps the download
// from starting.

#include "core/compiler/compile_driver.h"
#include "core/compiler/consistency.h"
#include "core/lang/language.h"

#include <QDialog>

#include <vector>

class QDialogButtonBox;
class QListWidget;
class QPushButton;

namespace velmora::gui {

class TFrmCompilacaoGeral : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCompilacaoGeral(QWidget* parent = nullptr);

    // The consistency lines, in their order.
    void setWarnings(const std::vector<compiler::ConsistencyWarning>& warnings);
    // Every diagnostic of a whole-program compile, as the user reads them.
    void setDiagnostics(const compiler::ProgramCompile& result, const Language& language);

    // True when the lines shown let the user go on.
    bool canGoOn() const;

    QListWidget* list() const { return list_; }
    QPushButton* goOnButton() const { return goOn_; }

private:
    void addLine(const QString& text, bool blocking);
    void finish();

    QListWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* goOn_ = nullptr;
    bool blocking_ = false;
};

// The window as the consistency check takes it: filled, shown modally over `parent`; true
// when the user went on.
compiler::WarningWindow compileWarningWindow(QWidget* parent);

} // namespace velmora::gui
