#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// Why a file of this mode is not read.
const char* NotRegular(mode_t mode)
{
    return S_ISDIR(mode)                    ? "a directory, not a file"
           : S_ISFIFO(mode)                 ? "a pipe, not a file"
           : S_ISCHR(mode) || S_ISBLK(mode) ? "a device, not a file"
                                            : "not a regular file";
}

} // namespace

bool IsRegularFile(const std::string& path, std::string& problem)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (S_ISREG(info.st_mode)) return true;
    problem = NotRegular(info.st_mode);
    return false;
}

FilePtr OpenRegularFile(const std::string& path, std::string& problem)
{
    // The look before the open spares devices an open; the look after it is the one that counts.
    if (!IsRegularFile(path, problem)) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        problem = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = NotRegular(info.st_mode);
        ::close(fd);
        return nullptr;
    }
    // A regular file never makes a read wait; the flag goes so that nothing reads it otherwise.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    FilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        problem = std::strerror(errno);
        ::close(fd);
    }
    return file;
}

bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text, std::string& problem)
{
    text.clear();
    const FilePtr file = OpenRegularFile(path.string(), problem);
    if (!file) return false;
    // Grown as the bytes come, so a small file under a large bound holds only its own size.
    char buffer[1 << 16];
    while (text.size() < maxBytes) {
        const size_t got = std::fread(buffer, 1, std::min(sizeof buffer, maxBytes - text.size()), file.get());
        text.append(buffer, got);
        if (got == 0) break;
    }
    if (std::ferror(file.get())) {
        problem = std::strerror(errno);
        text.clear();
        return false;
    }
    return true;
}

bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text)
{
    std::string problem;
    return ReadAtMost(path, maxBytes, text, problem);
}

} // namespace platform
