#include "platform/UserFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

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

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& text, std::string& error)
{
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    const std::filesystem::path temporary = file.string() + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::string("cannot write beside it: ") + std::strerror(errno);
        return false;
    }
    size_t written = 0;
    bool ok = true;
    while (ok && written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else written += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
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

} // namespace platform
