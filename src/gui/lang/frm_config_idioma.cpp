#include "gui/lang/frm_config_idioma.h"

#include "core/project/settings.h"
#include "core/seams/prompts.h"
#include "core/text/cp1252.h"
#include "core/workspace.h"
#include "gui/adapters/qt_text.h"
#include "gui/lang/frm_idiomas.h"
#include "gui/lang/window_captions.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::gui {

namespace {

const std::vector<CaptionEntry>& captions() {
    static const std::vector<CaptionEntry> entries = {
        {"FrmConfigIdioma", 439, CaptionRole::Caption},
        {"gbIdioma", 440, CaptionRole::Caption},
    };
    return entries;
}

} // namespace

TFrmConfigIdioma::TFrmConfigIdioma(Workspace& ws, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts) {
    setObjectName(QStringLiteral("FrmConfigIdioma"));

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("gbIdioma"));
    cbIdioma_ = new QComboBox(group);
    cbIdioma_->setObjectName(QStringLiteral("cbIdioma"));
    cbIdioma_->setMinimumWidth(240);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(cbIdioma_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(toQt("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("BtnCancelar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { BtnCancelarClick(); });

    // The dialog sees every key typed in it, whichever of its controls has the focus.
    for (QWidget* w : {static_cast<QWidget*>(cbIdioma_), static_cast<QWidget*>(ok),
                       static_cast<QWidget*>(cancel)}) {
        w->installEventFilter(this);
    }
    retranslate();
}

void TFrmConfigIdioma::retranslate() {
    applyCaptions(this, captions(), ws_.language);
}

TFrmIdiomas* TFrmConfigIdioma::languageEditor() {
    if (editor_ == nullptr) {
        // It belongs to the main window when there is one, so it outlives this dialog.
        QWidget* owner = parentWidget() != nullptr ? parentWidget() : this;
        editor_ = new TFrmIdiomas(ws_, prompts_, owner);
    }
    return editor_;
}

void TFrmConfigIdioma::showEvent(QShowEvent* event) {
    retranslate();
    cbIdioma_->clear();
    const LanguageTable& table = ws_.language.table;
    for (int k = 0; k < table.languageCount(); ++k) {
        cbIdioma_->addItem(toQt(table.languageName(k)));
    }
    const int current = ws_.language.current;
    cbIdioma_->setCurrentIndex(current >= 0 && current < cbIdioma_->count() ? current : -1);
    QDialog::showEvent(event);
}

void TFrmConfigIdioma::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void TFrmConfigIdioma::BtnOKClick() {
    if (chooseLanguage(ws_.language, cbIdioma_->currentIndex(), prompts_)) {
        const auto written =
            GravaConfiguracoes(ws_.home.settingsFile(), ws_.settings, ws_.language.current);
        if (!written) {
            prompts_.error(text::utf8ToCp1252(written.error));
        }
    }
    accept();
}

void TFrmConfigIdioma::BtnCancelarClick() {
    reject();
}

void TFrmConfigIdioma::watchKey(const QKeyEvent& event) {
    const QString typed = event.text();
    if (typed.size() != 1 || typed[0].unicode() > 0x7F) {
        return;
    }
    if (watcher_.feed(static_cast<char>(typed[0].unicode()))) {
        TFrmIdiomas* editor = languageEditor();
        // Modal over this dialog, which is modal itself.
        editor->setWindowModality(Qt::ApplicationModal);
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
}

void TFrmConfigIdioma::keyPressEvent(QKeyEvent* event) {
    // With a control focused, the filter has seen this key already and this is the key
    // passed on from that control.
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused == this) {
        watchKey(*event);
    }
    QDialog::keyPressEvent(event);
}

bool TFrmConfigIdioma::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        watchKey(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmora::gui
