#pragma once

#include "core/lang/language.h"

#include <string>
#include <string_view>

namespace velmora {

class Prompts;

// The language selection dialog's OK: when `selection` differs from the current language
// and the user confirms (message 441), it becomes the current language. True when the
// current language changed; the caller then writes the settings file.
bool chooseLanguage(Language& language, int selection, Prompts& prompts);

// Watches the keys typed in the language selection dialog for the code that opens the
// language editor. Keys are taken in upper case; the code's first letter starts the
// sequence anew, any other key is appended.
class AccessCodeWatcher {
public:
    static constexpr std::string_view kCode = "TRVMKQZWXDFGBJN";

    // True when this key completes the code (the sequence then starts empty again).
    bool feed(char key);
    const std::string& typed() const { return typed_; }

private:
    std::string typed_;
};

} // namespace velmora
