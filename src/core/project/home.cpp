#include "core/project/home.h"

#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {
bool set(const char* s) {
    return s != nullptr && *s != '\0';
}
} // namespace

fs::path resolveHomeFolder(const std::optional<fs::path>& option, const char* velmoraHome,
                           const char* xdgDataHome, const char* home) {
    if (option && !option->empty()) {
        return *option;
    }
    if (set(velmoraHome)) {
        return velmoraHome;
    }
    if (set(xdgDataHome)) {
        return fs::path(xdgDataHome) / "velmora";
    }
    if (set(home)) {
        return fs::path(home) / ".local" / "share" / "velmora";
    }
    return fs::path(".velmora");
}

PrepareResult prepareHomeFolder(const HomeFolder& home, const fs::path& shippedData) {
    PrepareResult result;
    std::error_code ec;
    fs::create_directories(home.projects(), ec);
    if (ec) {
        result.error = home.projects().string() + ": " + ec.message();
        return result;
    }
    if (!shippedData.empty() && fs::is_directory(shippedData, ec)) {
        for (const auto& entry : fs::recursive_directory_iterator(shippedData, ec)) {
            const fs::path relative = fs::relative(entry.path(), shippedData, ec);
            if (ec) {
                break;
            }
            const fs::path target = home.path / relative;
            if (entry.is_directory()) {
                fs::create_directories(target, ec);
            } else if (!fs::exists(target)) {
                fs::copy_file(entry.path(), target, ec);
                if (!ec) {
                    result.seeded.push_back(relative.string());
                }
            }
            if (ec) {
                result.error = target.string() + ": " + ec.message();
                return result;
            }
        }
    }
    result.ok = true;
    return result;
}

} // namespace velmora
