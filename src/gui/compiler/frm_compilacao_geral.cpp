#include "gui/compiler/frm_compilacao_geral.h"

#include "gui/adapters/qt_text.h"

#include <QBrush>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::gui {

TFrmCompilacaoGeral::TFrmCompilacaoGeral(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFrmCompilacaoGeral"));
    setWindowTitle(toQt("Avisos de compila\xE7\xE3o"));
    setModal(true);
    resize(560, 320);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBoxCompilacaoGeral"));
    layout->addWidget(list_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close, this);
    goOn_ = buttons_->button(QDialogButtonBox::Ok);
    goOn_->setObjectName(QStringLiteral("BtnContinuar"));
    buttons_->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("BtnFechar"));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (canGoOn()) {
            accept();
        }
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TFrmCompilacaoGeral::addLine(const QString& text, bool blocking) {
    auto* item = new QListWidgetItem(text, list_);
    if (blocking) {
        item->setForeground(QBrush(Qt::red));
        blocking_ = true;
    }
}

void TFrmCompilacaoGeral::finish() {
    goOn_->setEnabled(canGoOn());
    goOn_->setVisible(canGoOn());
}

void TFrmCompilacaoGeral::setWarnings(const std::vector<compiler::ConsistencyWarning>& warnings) {
    list_->clear();
    blocking_ = false;
    for (const auto& w : warnings) {
        addLine(toQt(w.text), w.blocking);
    }
    finish();
}

void TFrmCompilacaoGeral::setDiagnostics(const compiler::ProgramCompile& result,
                                         const Language& language) {
    list_->clear();
    blocking_ = false;
    for (const auto& d : result.diagnostics) {
        addLine(toQt(compiler::diagnosticText(d, language)), d.blocking);
    }
    finish();
}

bool TFrmCompilacaoGeral::canGoOn() const {
    return !blocking_;
}

compiler::WarningWindow compileWarningWindow(QWidget* parent) {
    return [parent](const std::vector<compiler::ConsistencyWarning>& warnings) {
        TFrmCompilacaoGeral window(parent);
        window.setWarnings(warnings);
        return window.exec() == QDialog::Accepted;
    };
}

} // namespace velmora::gui
