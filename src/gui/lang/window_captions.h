#pragma once

#include "core/lang/captions.h"
#include "core/lang/language.h"

#include <string_view>
#include <vector>

class QWidget;

namespace velmora::gui {

// A window's retranslate routine over a caption table: each entry's component (the window
// itself when it carries the name) gets the message's text in the current language.
void applyCaptions(QWidget* window, const std::vector<CaptionEntry>& entries,
                   const Language& language);

// A caption or hint the product fixes as a literal text (Windows-1252), not a message.
struct LiteralCaption {
    std::string_view component;
    std::string_view text;
    CaptionRole role;
};

void applyLiteralCaptions(QWidget* window, const std::vector<LiteralCaption>& entries);

} // namespace velmora::gui
