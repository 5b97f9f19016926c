#pragma once

#include "core/seams/prompts.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

// Records every box and input box; answers from queues. A box asked with buttons and no
// queued answer records the fact (unexpectedQuestions) and answers No (or Cancel).
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        Kind kind;
        std::string text;
        Buttons buttons;
    };
    struct Asked {
        std::string caption, prompt, defaultValue;
    };

    Answer ask(Kind kind, const std::string& text, Buttons buttons) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultValue) override;

    void queueAnswer(Answer a) { answers_.push_back(a); }
    void queueInput(std::optional<std::string> s) { inputs_.push_back(std::move(s)); }

    std::vector<Shown> shown;
    std::vector<Asked> inputs;
    int unexpectedQuestions = 0;

    // The texts shown, in order.
    std::vector<std::string> texts() const;

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
};

} // namespace velmora::test
