// The main window's parts that follow the settings: the language dialog, the display-mode
// check marks, the keep-tool button and the recent-projects entries.
#include "core/project/settings.h"
#include "gui/adapters/qt_text.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_page.h"
#include "gui/lang/frm_config_idioma.h"
#include "gui/lang/frm_idiomas.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace velmora::gui {

void MainWindow::wireSettings() {
    if (QAction* idioma = findChild<QAction*>(QStringLiteral("Idioma1"))) {
        idioma->setEnabled(true);
        connect(idioma, &QAction::triggered, this, [this] {
            TFrmConfigIdioma dialog(ws_, prompts(), this);
            dialog.exec();
            retranslate();
        });
    }
    const std::pair<const char*, DisplayMode> modes[] = {
        {"miExibeEndereco", DisplayMode::Endereco},
        {"miExibeSimbolo", DisplayMode::Simbolo},
        {"miEnderecoSimbolo", DisplayMode::SimboloEndereco},
    };
    for (const auto& [name, mode] : modes) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(name))) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this, mode = mode] {
                ws_.settings.modoExibicao = mode;
                applySettings();
            });
        }
    }
    if (QAction* keep = findChild<QAction*>(QStringLiteral("TbMantendo"))) {
        keep->setEnabled(true);
        connect(keep, &QAction::toggled, this,
                [this](bool down) { ws_.settings.manterLadder = down; });
    }
    if (auto* page = findChild<gui::LadderPage*>(QStringLiteral("PaginaLadder"))) {
        auto* panel = findChild<QLabel*>(QStringLiteral("StatusBarPrincipalPanel4"));
        connect(page, &gui::LadderPage::cursorStatus, this, [panel](const QString& text) {
            if (panel != nullptr) {
                panel->setText(text);
            }
        });
    }
    applySettings();
}

void MainWindow::applySettings() {
    if (auto* page = findChild<gui::LadderPage*>(QStringLiteral("PaginaLadder"))) {
        const ladder::OperandDisplay display =
            ws_.settings.modoExibicao == DisplayMode::Simbolo ? ladder::OperandDisplay::Simbolo
            : ws_.settings.modoExibicao == DisplayMode::SimboloEndereco
                ? ladder::OperandDisplay::SimboloEndereco
                : ladder::OperandDisplay::Endereco;
        if (page->display() != display) {
            page->setDisplay(display);
        }
    }
    const DisplayModeChecks checks = displayModeChecks(ws_.settings.modoExibicao);
    const std::pair<const char*, bool> marks[] = {
        {"miExibeEndereco", checks.miExibeEndereco},
        {"miExibeSimbolo", checks.miExibeSimbolo},
        {"miEnderecoSimbolo", checks.miEnderecoSimbolo},
    };
    for (const auto& [name, checked] : marks) {
        if (QAction* a = findChild<QAction*>(QString::fromLatin1(name))) {
            a->setChecked(checked);
        }
    }
    if (QAction* keep = findChild<QAction*>(QStringLiteral("TbMantendo"))) {
        keep->setChecked(ws_.settings.manterLadder);
    }
    // Each recent entry keeps its own path; opening it comes with the project commands.
    std::vector<const RecentMenuItem*> entries;
    for (const auto& item : ws_.settings.recentMenu) {
        if (!item.placeholder) {
            entries.push_back(&item);
        }
    }
    for (int i = 0; i < 4; ++i) {
        QAction* a = findChild<QAction*>(QStringLiteral("miRecente%1").arg(i + 1));
        if (a == nullptr) {
            continue;
        }
        const bool used = static_cast<std::size_t>(i) < entries.size();
        a->setVisible(used);
        a->setText(used ? toQt(entries[static_cast<std::size_t>(i)]->caption) : QString());
        a->setData(used ? toQt(entries[static_cast<std::size_t>(i)]->path) : QString());
    }
}

} // namespace velmora::gui
