#include "support/scripted_prompts.h"

namespace velmora::test {

Prompts::Answer ScriptedPrompts::ask(Kind kind, const std::string& text, Buttons buttons) {
    shown.push_back({kind, text, buttons});
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers_.empty()) {
        ++unexpectedQuestions;
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedPrompts::input(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& defaultValue) {
    inputs.push_back({caption, prompt, defaultValue});
    if (inputs_.empty()) {
        ++unexpectedQuestions;
        return std::nullopt;
    }
    auto s = inputs_.front();
    inputs_.pop_front();
    return s;
}

std::vector<std::string> ScriptedPrompts::texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) {
        out.push_back(s.text);
    }
    return out;
}

} // namespace velmora::test
