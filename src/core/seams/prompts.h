#pragma once

#include <optional>
#include <string>

namespace velmora {

// Message boxes and input boxes, as the core asks for them. Texts are Windows-1252.
class Prompts {
public:
    enum class Kind { Information, Error, Warning, Confirmation, Plain };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompts() = default;

    // Shows a box and waits for the answer. A box with only Ok answers Ok.
    virtual Answer ask(Kind kind, const std::string& text, Buttons buttons) = 0;

    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultValue) = 0;

    void information(const std::string& text) { ask(Kind::Information, text, Buttons::Ok); }
    void error(const std::string& text) { ask(Kind::Error, text, Buttons::Ok); }
    void warning(const std::string& text) { ask(Kind::Warning, text, Buttons::Ok); }
    void message(const std::string& text) { ask(Kind::Plain, text, Buttons::Ok); }
    bool confirm(const std::string& text) {
        return ask(Kind::Confirmation, text, Buttons::YesNo) == Answer::Yes;
    }
    Answer confirmYesNoCancel(const std::string& text) {
        return ask(Kind::Confirmation, text, Buttons::YesNoCancel);
    }
};

} // namespace velmora
