#include "gui/adapters/qt_text.h"

#include "core/text/cp1252.h"

namespace velmora::gui {

QString toQt(std::string_view cp1252) {
    const std::string utf8 = text::cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQt(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return text::utf8ToCp1252(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace velmora::gui
