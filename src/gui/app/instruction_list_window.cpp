#include "gui/app/instruction_list_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace velmora::gui {

TFrmListadeInstrucao::TFrmListadeInstrucao(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFrmListadeInstrucao"));
    auto* layout = new QVBoxLayout(this);
    memoException_ = new QPlainTextEdit(this);
    memoException_->setObjectName(QStringLiteral("MemoException"));
    memoException_->setReadOnly(true);
    memoException_->hide();
    layout->addWidget(memoException_);
}

void TFrmListadeInstrucao::appendException(const QString& text) {
    memoException_->appendPlainText(text);
}

} // namespace velmora::gui
