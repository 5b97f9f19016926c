#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace velmora::gui {

// The core's Windows-1252 texts <-> Qt's Unicode, through our own 1252 table.
QString toQt(std::string_view cp1252);
std::string fromQt(const QString& text);

} // namespace velmora::gui
