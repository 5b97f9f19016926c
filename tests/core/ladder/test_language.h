#pragma once

#include "core/lang/language.h"

#include <string>

namespace velmora::ladder::fixtures {

// A one-language table whose message n reads "M<n>", with a placeholder where the ladder
// commands fill one in.
inline Language testLanguage() {
    Language language;
    language.table.rows.push_back({"#", "where", "Portugues"});
    for (int n = 1; n <= 460; ++n) {
        std::string text = "M" + std::to_string(n);
        if (n == 215 || n == 453) {
            text += " [0]";
        }
        language.table.rows.push_back({std::to_string(n), "ladder", text});
    }
    return language;
}

} // namespace velmora::ladder::fixtures
