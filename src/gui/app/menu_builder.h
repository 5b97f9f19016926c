#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;
class QWidget;

namespace velmora::gui {

// Builds named menus, menu items, tool bars and tool buttons under a window. Every object
// gets its component name as objectName, so captions, wiring and tests find it by name.
// "-" in a list is a separator.
class MenuBuilder {
public:
    explicit MenuBuilder(QWidget* window) : window_(window) {}

    QMenu* menu(QMenuBar* bar, const char* name);
    QMenu* menu(QMenu* parent, const char* name);
    QMenu* popup(const char* name);
    QAction* item(QMenu* menu, const QString& name);
    void items(QMenu* menu, const std::vector<const char*>& names);

    QToolBar* toolBar(const char* name);
    // Adds one action per name; the tool button the bar makes for it carries the same name.
    void tools(QToolBar* bar, const std::vector<const char*>& names);

    // The action with this name anywhere under the window.
    QAction* find(const char* name) const;

private:
    QWidget* window_;
};

// Sets a caption (menu title, action text, label text) or a hint (tooltip) on a component.
void applyCaption(QObject* component, const QString& text, bool hint);

} // namespace velmora::gui
