#include "gui/ladder/ladder_canvas.h"

namespace velmora::gui {

void FontMappingCanvas::setFont(const Font& font) {
    Font mapped = font;
    if (mapped.family == "Arial" || mapped.family == "Verdana") {
        mapped.family = kShippedFamily;
    }
    inner_.setFont(mapped);
}

} // namespace velmora::gui
