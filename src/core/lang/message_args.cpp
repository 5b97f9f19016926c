#include "core/lang/message_args.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

constexpr std::array kTable = {
    MessageArguments{msg::kPortOpenFailedAtStart, 1}, MessageArguments{msg::kLogicHeader, 1},
    MessageArguments{msg::kCoilAlreadyUsed, 1},       MessageArguments{msg::kConfirmDeleteGroup, 1},
    MessageArguments{msg::kConfirmReplaceFile, 1},    MessageArguments{msg::kConfirmCutLogic, 1},
    MessageArguments{msg::kConfirmDeletePage, 1},     MessageArguments{msg::kModelMismatch, 2},
    MessageArguments{msg::kPasswordLevel, 1},         MessageArguments{msg::kConfirmDeleteLogic, 1},
    MessageArguments{msg::kFileCannotRead, 1},        MessageArguments{msg::kFileDamaged, 2},
    MessageArguments{msg::kFileCannotWrite, 2},       MessageArguments{msg::kCellsDropped, 2},
    MessageArguments{msg::kTextCleaned, 1},           MessageArguments{msg::kNotAProject, 1},
};

constexpr bool ascending() {
    for (std::size_t i = 1; i < kTable.size(); ++i) {
        if (kTable[i - 1].message >= kTable[i].message) {
            return false;
        }
    }
    return true;
}
static_assert(ascending(), "the table is searched by binary search");

} // namespace

std::span<const MessageArguments> messagesWithArguments() {
    return kTable;
}

int messageArgumentCount(int message) {
    const auto it =
        std::lower_bound(kTable.begin(), kTable.end(), message,
                         [](const MessageArguments& entry, int n) { return entry.message < n; });
    return it != kTable.end() && it->message == message ? it->count : 0;
}

} // namespace velmora
