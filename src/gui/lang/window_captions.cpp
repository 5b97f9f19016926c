#include "gui/lang/window_captions.h"

#include "gui/adapters/qt_text.h"
#include "gui/app/menu_builder.h"

#include <QGroupBox>
#include <QWidget>

namespace velmora::gui {

namespace {

void apply(QWidget* window, std::string_view component, const QString& text, CaptionRole role) {
    const QString name =
        QString::fromLatin1(component.data(), static_cast<qsizetype>(component.size()));
    QList<QObject*> targets = window->findChildren<QObject*>(name);
    if (window->objectName() == name) {
        targets.prepend(window);
    }
    for (QObject* o : targets) {
        auto* box = qobject_cast<QGroupBox*>(o);
        if (box != nullptr && role == CaptionRole::Caption) {
            box->setTitle(text);
        } else {
            applyCaption(o, text, role == CaptionRole::Hint);
        }
    }
}

} // namespace

void applyCaptions(QWidget* window, const std::vector<CaptionEntry>& entries,
                   const Language& language) {
    for (const auto& e : entries) {
        apply(window, e.component, toQt(language.text(e.message)), e.role);
    }
}

void applyLiteralCaptions(QWidget* window, const std::vector<LiteralCaption>& entries) {
    for (const auto& e : entries) {
        apply(window, e.component, toQt(e.text), e.role);
    }
}

} // namespace velmora::gui
