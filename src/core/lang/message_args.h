#pragma once

#include <span>

namespace velmora {

// The messages that are filled with arguments. Call sites use these names, and the language
// file test checks every shipped text against the counts below: a text that lacks a
// placeholder its caller fills makes the whole lookup fail.
namespace msg {
inline constexpr int kPortOpenFailedAtStart = 1; // [0] port name
inline constexpr int kLogicHeader = 11;          // [0] logic number, three digits
inline constexpr int kCoilAlreadyUsed = 215;     // [0] logic where the operand was found
inline constexpr int kConfirmDeleteGroup = 240;  // [0] the group's tree-node text
inline constexpr int kConfirmReplaceFile = 243;  // [0] file name
inline constexpr int kConfirmCutLogic = 244;     // [0] logic number
inline constexpr int kConfirmDeletePage = 246;   // [0] the page's tree-node text
inline constexpr int kModelMismatch = 260;       // [0] controller model, [1] project model
inline constexpr int kPasswordLevel = 432;       // [0] level "1", "2" or "3"
inline constexpr int kConfirmDeleteLogic = 453;  // [0] logic number
inline constexpr int kFileCannotRead = 460;      // [0] file
inline constexpr int kFileDamaged = 461;         // [0] file, [1] section left open
inline constexpr int kFileCannotWrite = 462;     // [0] file, [1] reason
inline constexpr int kCellsDropped = 463;        // [0] logic, [1] the cells as (row,column) ...
inline constexpr int kTextCleaned = 464;         // [0] section whose control characters went
inline constexpr int kNotAProject = 465;         // [0] file
} // namespace msg

struct MessageArguments {
    int message;
    int count; // the placeholders [0] ... [count - 1]
};

// Every message filled with arguments, in ascending message order.
std::span<const MessageArguments> messagesWithArguments();

// How many arguments a message is filled with; 0 for a message used as it stands.
int messageArgumentCount(int message);

} // namespace velmora
