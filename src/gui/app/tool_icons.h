#pragma once

#include <QIcon>
#include <QString>

namespace velmora::gui {

// The icon of a tool button, drawn here (the program ships no image files).
QIcon toolIcon(const QString& component);

} // namespace velmora::gui
