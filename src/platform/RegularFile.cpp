#include "platform/RegularFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace platform {

bool IsRegularFile(const std::string& path, std::string& problem)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (S_ISREG(info.st_mode)) return true;
    problem = S_ISDIR(info.st_mode)    ? "a directory, not a file"
              : S_ISFIFO(info.st_mode) ? "a pipe, not a file"
              : S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) ? "a device, not a file"
                                                                 : "not a regular file";
    return false;
}

bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text)
{
    text.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.resize(maxBytes);
    in.read(text.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) {
        text.clear();
        return false;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    return true;
}

} // namespace platform
