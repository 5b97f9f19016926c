#pragma once

#include "core/seams/prompts.h"

class QWidget;

namespace velmora::gui {

// Message boxes and input boxes with QMessageBox / QInputDialog, titled "Velmora".
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer ask(Kind kind, const std::string& text, Buttons buttons) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultValue) override;

private:
    QWidget* parent_;
};

} // namespace velmora::gui
