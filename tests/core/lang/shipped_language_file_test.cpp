// The language table the program ships (data/ConfigIdiomas.txt), checked against the code's
// own list of messages that are filled with arguments.

#include "core/lang/language.h"
#include "core/lang/language_file.h"
#include "core/lang/message_args.h"
#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr int kLastMessage = 465; // 460-465: the project file messages
const std::filesystem::path kShipped =
    std::filesystem::path(VELMORA_DATA_DIR) / "ConfigIdiomas.txt";

bool isFailure(const std::string& text) {
    const std::string tail = " com Falha";
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The digits k of every "[k]" in a text, in order of appearance.
std::vector<int> placeholdersIn(const std::string& text) {
    std::vector<int> found;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '[' && text[i + 1] >= '0' && text[i + 1] <= '9' && text[i + 2] == ']') {
            found.push_back(text[i + 1] - '0');
        }
    }
    return found;
}

// Arguments that cannot be mistaken for text of the table.
std::vector<std::string> sampleArguments(int count) {
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back("<arg" + std::to_string(i) + ">");
    }
    return arguments;
}

class ShippedLanguageFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto result = CarregaIdiomas(kShipped, table_);
        ASSERT_TRUE(result.ok) << result.reason << " (line " << result.badLine << ")";
    }
    const std::string& text(int language, int number) const {
        return table_
            .rows[static_cast<std::size_t>(number)][static_cast<std::size_t>(language) + 2];
    }
    LanguageTable table_;
};

TEST_F(ShippedLanguageFile, HasEveryMessageInTwoLanguagesInRowsOfEqualWidth) {
    ASSERT_GE(table_.rows.size(), static_cast<std::size_t>(kLastMessage + 1));
    ASSERT_EQ(table_.languageCount(), 2);
    EXPECT_EQ(table_.languageName(0), "Portugu\xEAs");
    EXPECT_EQ(table_.languageName(1), "English");
    for (std::size_t n = 0; n < table_.rows.size(); ++n) {
        ASSERT_EQ(table_.rows[n].size(), table_.rows[0].size()) << "row " << n;
    }
    for (int n = 1; n <= kLastMessage; ++n) {
        const auto& row = table_.rows[static_cast<std::size_t>(n)];
        EXPECT_EQ(row[0], std::to_string(n)) << "row " << n << " is numbered " << row[0];
        EXPECT_FALSE(row[1].empty()) << "message " << n << " says nowhere where it is used";
        for (int language = 0; language < 2; ++language) {
            EXPECT_FALSE(text(language, n).empty()) << "message " << n << " language " << language;
        }
    }
}

TEST_F(ShippedLanguageFile, IsCrLfTextWithASemicolonAfterEveryField) {
    const auto bytes = text::readFileBytes(kShipped);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_GE(bytes->size(), 2u);
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
    std::size_t start = 0;
    int line = 0;
    while (start < bytes->size()) {
        const auto end = bytes->find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "line " << line << " has no CR LF";
        const auto content = bytes->substr(start, end - start);
        EXPECT_EQ(content.find('\n'), std::string::npos) << "lone LF in line " << line;
        EXPECT_EQ(content.find('\r'), std::string::npos) << "lone CR in line " << line;
        ASSERT_FALSE(content.empty()) << "empty line " << line;
        EXPECT_EQ(content.back(), ';') << "line " << line;
        start = end + 2;
        ++line;
    }
    EXPECT_EQ(line, static_cast<int>(table_.rows.size()));
}

TEST_F(ShippedLanguageFile, EveryMessageLooksUpWithoutFailureInBothLanguages) {
    for (int language = 0; language < 2; ++language) {
        for (int n = 1; n <= kLastMessage; ++n) {
            const int count = messageArgumentCount(n);
            const auto result =
                TextoMensagem(table_, language, n, joinArguments(sampleArguments(count)));
            EXPECT_FALSE(isFailure(result)) << "message " << n << " language " << language;
            EXPECT_TRUE(placeholdersIn(result).empty())
                << "message " << n << " language " << language
                << " keeps a placeholder: " << result;
        }
    }
}

TEST_F(ShippedLanguageFile, MessagesFilledWithArgumentsHoldExactlyTheirPlaceholders) {
    ASSERT_FALSE(messagesWithArguments().empty());
    for (const auto& entry : messagesWithArguments()) {
        for (int language = 0; language < 2; ++language) {
            const auto& raw = text(language, entry.message);
            std::vector<int> expected;
            for (int i = 0; i < entry.count; ++i) {
                expected.push_back(i);
            }
            auto found = placeholdersIn(raw);
            std::sort(found.begin(), found.end());
            EXPECT_EQ(found, expected)
                << "message " << entry.message << " language " << language << ": " << raw;

            // Each argument lands in the text; one argument more than the caller gives fails.
            const auto arguments = sampleArguments(entry.count);
            const auto filled =
                TextoMensagem(table_, language, entry.message, joinArguments(arguments));
            for (const auto& argument : arguments) {
                EXPECT_NE(filled.find(argument), std::string::npos)
                    << "message " << entry.message << ": " << filled;
            }
            const auto tooMany = TextoMensagem(table_, language, entry.message,
                                               joinArguments(sampleArguments(entry.count + 1)));
            EXPECT_TRUE(isFailure(tooMany)) << "message " << entry.message << ": " << tooMany;
        }
    }
}

TEST_F(ShippedLanguageFile, MessagesUsedAsTheyStandHoldNoPlaceholder) {
    for (int n = 1; n <= kLastMessage; ++n) {
        if (messageArgumentCount(n) != 0) {
            continue;
        }
        for (int language = 0; language < 2; ++language) {
            EXPECT_TRUE(placeholdersIn(text(language, n)).empty())
                << "message " << n << " language " << language << ": " << text(language, n);
        }
    }
}

TEST_F(ShippedLanguageFile, PanelGroupNamesFitTheGroupNameCapacity) {
    constexpr std::size_t kGroupName = 32;
    // Navigation groups rebuilt by an upload are named message 333 + " - " + a count.
    const std::string suffix = " - 999";
    // The two recipe-file groups are named messages 427 and 426 and must differ.
    for (int language = 0; language < 2; ++language) {
        EXPECT_LE(text(language, 333).size() + suffix.size(), kGroupName);
        EXPECT_LE(text(language, 426).size(), kGroupName);
        EXPECT_LE(text(language, 427).size(), kGroupName);
        EXPECT_NE(text(language, 426), text(language, 427));
    }
}

TEST(MessageArguments, TableIsAscendingAndAnswersCounts) {
    const auto table = messagesWithArguments();
    std::set<int> seen;
    for (const auto& entry : table) {
        EXPECT_GE(entry.message, 1);
        EXPECT_LE(entry.message, kLastMessage);
        EXPECT_GE(entry.count, 1);
        EXPECT_LE(entry.count, 10) << "placeholders stop at [9]";
        EXPECT_TRUE(seen.insert(entry.message).second) << entry.message << " listed twice";
        EXPECT_EQ(messageArgumentCount(entry.message), entry.count);
    }
    EXPECT_EQ(messageArgumentCount(msg::kModelMismatch), 2);
    EXPECT_EQ(messageArgumentCount(msg::kConfirmDeleteLogic), 1);
    EXPECT_EQ(messageArgumentCount(12), 0);
    EXPECT_EQ(messageArgumentCount(0), 0);
    EXPECT_EQ(messageArgumentCount(kLastMessage + 1), 0);
}

} // namespace
} // namespace velmora
