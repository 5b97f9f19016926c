#pragma once

#include <string_view>
#include <vector>

namespace velmora {

// Which text of a component a message sets: its caption (menu item, menu, label, window)
// or its hint (tool button tooltip).
enum class CaptionRole { Caption, Hint };

struct CaptionEntry {
    std::string_view component; // the component's name (its objectName in the window)
    int message;                // message number in the language table
    CaptionRole role;
};

// The captions and hints of the main window, refreshed on every activation.
const std::vector<CaptionEntry>& mainWindowCaptions();

} // namespace velmora
