#include "core/text/atomic_file.h"

#include "core/text/line_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::text {

namespace {

WriteResult failure(const std::filesystem::path& path, int err) {
    return {false, path.string() + ": " + std::strerror(err)};
}

} // namespace

WriteResult writeFileAtomic(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string tempName = ".";
    tempName += target.filename().string();
    tempName += ".XXXXXX";
    const std::string pattern = (folder / tempName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return failure(target, errno);
    }
    const std::filesystem::path temp(name.data());
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return failure(target, err);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return abandon(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    // Keep the permissions an existing file had; a new file gets the usual 0644.
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
        return abandon(errno);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return failure(target, err);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return failure(target, err);
    }
    // Make the rename itself durable.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {true, {}};
}

WriteResult writeLinesAtomic(const std::filesystem::path& target,
                             const std::vector<std::string>& lines) {
    return writeFileAtomic(target, joinCrLf(lines));
}

} // namespace velmora::text
