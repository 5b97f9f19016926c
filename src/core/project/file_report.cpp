#include "core/project/file_report.h"

#include "core/text/cp1252.h"

#include <algorithm>

namespace velmora::project {

std::string messageArgument(std::string_view value) {
    std::string out(value);
    std::replace(out.begin(), out.end(), ';', ',');
    return out;
}

std::string pathArgument(const std::filesystem::path& path) {
    return messageArgument(text::utf8ToCp1252(path.string()));
}

void showReport(const FileReport& report, const Language& language, Prompts& prompts) {
    for (const auto& notice : report.notices) {
        prompts.ask(notice.kind, language.text(notice.message, notice.arguments),
                    Prompts::Buttons::Ok);
    }
}

} // namespace velmora::project
