#pragma once

#include "core/ladder/catalogue.h"
#include "core/ladder/editor_commands.h"
#include "support/scripted_prompts.h"
#include "test_language.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::ladder::fixtures {

// An editor on logic 1 of a one-logic program, with scripted boxes and the test language.
class EditorFixture {
public:
    EditorFixture() { session.AbreLogica(1); }

    Language language = testLanguage();
    test::ScriptedPrompts prompts;
    EditorSession session;
    EditorState state;
    TPrograma slot;
    EditorContext ctx{session, state, prompts, language, &slot};

    TLogica& logic() { return session.workingCopy; }
    std::string at(int c, int r) { return logic().element(c, r).text; }
    std::string link(int s, int r) { return logic().cell(s, r).text; }
    std::string code(int c, int r) { return at(c, r).substr(0, 3); }

    // Writes a freshly placed element of `tool` straight into the working copy, no rules.
    void put(int tool, int c, int r) {
        ASSERT_TRUE(writeElement(logic(), *elementOfTool(tool), c, r)) << tool;
    }
    EditResult place(int tool, int c, int r) {
        state.tool = tool;
        state.cursor = {c, r};
        return placeWithReplacing(ctx);
    }
    EditResult direct(int tool, int c, int r) {
        state.tool = tool;
        state.cursor = {c, r};
        return ColocaElemento(ctx);
    }
};

} // namespace velmora::ladder::fixtures
