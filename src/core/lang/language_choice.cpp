#include "core/lang/language_choice.h"

#include "core/seams/prompts.h"

namespace velmora {

bool chooseLanguage(Language& language, int selection, Prompts& prompts) {
    if (selection < 0 || selection >= language.table.languageCount() ||
        selection == language.current) {
        return false;
    }
    if (!prompts.confirm(language.text(441))) {
        return false;
    }
    language.current = selection;
    return true;
}

bool AccessCodeWatcher::feed(char key) {
    if (key >= 'a' && key <= 'z') {
        key = static_cast<char>(key - 'a' + 'A');
    }
    if (key == kCode.front()) {
        typed_.assign(1, key);
    } else if (typed_.size() < kCode.size()) {
        // Past the code's length the sequence can no longer match until it starts anew,
        // so it stops growing.
        typed_.push_back(key);
    }
    if (typed_ == kCode) {
        typed_.clear();
        return true;
    }
    return false;
}

} // namespace velmora
