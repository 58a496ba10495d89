#include "platform/UserFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// Temporary files a crashed writer left behind with a name now wanted are passed over; this
// many in a row means something else is wrong.
constexpr int kTemporaryAttempts = 100;
constexpr int kAsideNames = 99;

// Opens a new temporary file beside `file` under a name no other writer uses: this process's
// id and a count of its own writes. -1 with errno set when none can be made.
int OpenTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& temporary)
{
    static std::atomic<unsigned> written{0};
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = file.string() + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++written);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Renames without replacing: false with errno EEXIST when `to` is taken.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that kind of rename: a second name, then the first one dropped.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    return ::unlink(from.c_str()) == 0;
}

} // namespace

std::optional<std::filesystem::path> UserDataDirectory()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "zem";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::filesystem::path(home) / ".local/share/zem";
    return std::nullopt;
}

std::optional<std::filesystem::path> UserConfigDirectory()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "zem";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::filesystem::path(home) / ".config/zem";
    return std::nullopt;
}

bool WriteAllAndSync(int fd, const std::string& text)
{
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return ::fsync(fd) == 0;
}

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& text, std::string& error)
{
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    std::filesystem::path temporary;
    const int fd = OpenTemporaryBeside(file, temporary);
    if (fd < 0) {
        error = std::string("cannot write beside it: ") + std::strerror(errno);
        return false;
    }
    bool ok = WriteAllAndSync(fd, text);
    if (!ok) error = std::string("cannot write: ") + std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = std::string("cannot write: ") + std::strerror(errno);
    }
    if (ok && std::rename(temporary.c_str(), file.c_str()) != 0) {
        ok = false;
        error = std::string("cannot replace it: ") + std::strerror(errno);
    }
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

bool SetAside(const std::filesystem::path& file, std::filesystem::path& movedTo, std::string& error)
{
    for (int n = 1; n <= kAsideNames; ++n) {
        movedTo = file.string() + ".damaged" + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (RenameNoReplace(file, movedTo)) return true;
        if (errno != EEXIST) {
            error = std::string("cannot move it aside: ") + std::strerror(errno);
            return false;
        }
    }
    error = "cannot move it aside: " + std::to_string(kAsideNames) + " damaged copies are there already";
    return false;
}

} // namespace platform
