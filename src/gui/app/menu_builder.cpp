#include "gui/app/menu_builder.h"

#include "gui/app/tool_icons.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace velmora::gui {

QMenu* MenuBuilder::menu(QMenuBar* bar, const char* name) {
    auto* m = new QMenu(bar);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    bar->addMenu(m);
    return m;
}

QMenu* MenuBuilder::menu(QMenu* parent, const char* name) {
    auto* m = new QMenu(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    parent->addMenu(m);
    return m;
}

QMenu* MenuBuilder::popup(const char* name) {
    auto* m = new QMenu(window_);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* MenuBuilder::item(QMenu* menu, const QString& name) {
    auto* a = new QAction(menu);
    a->setObjectName(name);
    menu->addAction(a);
    return a;
}

void MenuBuilder::items(QMenu* menu, const std::vector<const char*>& names) {
    for (const char* name : names) {
        if (QString::fromLatin1(name) == QStringLiteral("-")) {
            menu->addSeparator();
        } else if (QString::fromLatin1(name).startsWith(QStringLiteral("Traco"))) {
            menu->addSeparator()->setObjectName(QString::fromLatin1(name));
        } else {
            item(menu, QString::fromLatin1(name));
        }
    }
}

QToolBar* MenuBuilder::toolBar(const char* name) {
    auto* bar = new QToolBar(window_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(24, 24));
    bar->setMovable(false);
    return bar;
}

void MenuBuilder::tools(QToolBar* bar, const std::vector<const char*>& names) {
    for (const char* raw : names) {
        const QString name = QString::fromLatin1(raw);
        if (name == QStringLiteral("-")) {
            bar->addSeparator();
            continue;
        }
        auto* a = new QAction(bar);
        a->setObjectName(name);
        a->setIcon(toolIcon(name));
        a->setText(name);
        bar->addAction(a);
        if (QWidget* button = bar->widgetForAction(a)) {
            button->setObjectName(name);
        }
    }
}

QAction* MenuBuilder::find(const char* name) const {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
}

void applyCaption(QObject* component, const QString& text, bool hint) {
    if (auto* menu = qobject_cast<QMenu*>(component)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(component)) {
        if (hint) {
            action->setToolTip(text);
            action->setStatusTip(text);
        } else {
            action->setText(text);
        }
    } else if (auto* label = qobject_cast<QLabel*>(component)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QToolButton*>(component)) {
        // The button follows its action; set it directly only when it has none.
        if (button->defaultAction() == nullptr) {
            button->setToolTip(text);
        }
    } else if (auto* widget = qobject_cast<QWidget*>(component)) {
        if (hint) {
            widget->setToolTip(text);
        } else if (widget->isWindow()) {
            widget->setWindowTitle(text);
        }
    }
}

} // namespace velmora::gui
