#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

FileLock::FileLock(const std::filesystem::path& guarded)
{
    std::error_code ec;
    if (guarded.has_parent_path()) std::filesystem::create_directories(guarded.parent_path(), ec);
    const std::filesystem::path lockFile = guarded.string() + ".lock";
    mFd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (mFd < 0) return;
    int taken = -1;
    do {
        taken = ::flock(mFd, LOCK_EX);
    } while (taken != 0 && errno == EINTR);
    if (taken != 0) {
        ::close(mFd);
        mFd = -1;
    }
}

FileLock::~FileLock()
{
    if (mFd >= 0) ::close(mFd); // closing lets the lock go
}

} // namespace platform
