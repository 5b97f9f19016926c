#include "gui/adapters/qt_prompts.h"

#include "gui/adapters/qt_text.h"

#include <QInputDialog>
#include <QMessageBox>

namespace velmora::gui {

Prompts::Answer QtPrompts::ask(Kind kind, const std::string& text, Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Velmora"));
    box.setText(toQt(text));
    switch (kind) {
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Closing the box counts as the most cautious answer.
        return buttons == Buttons::YesNoCancel ? Answer::Cancel
               : buttons == Buttons::YesNo     ? Answer::No
                                               : Answer::Ok;
    }
}

std::optional<std::string> QtPrompts::input(const std::string& caption, const std::string& prompt,
                                            const std::string& defaultValue) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, toQt(caption), toQt(prompt),
                                                 QLineEdit::Normal, toQt(defaultValue), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return fromQt(answer);
}

} // namespace velmora::gui
