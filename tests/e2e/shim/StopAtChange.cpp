// Preloaded into a program (LD_PRELOAD) to stop it dead, as SIGKILL does, just before its Nth
// change to the file system (ZEM_STOP_AT_CHANGE=N): a write, a sync, a rename, a new or removed
// name. What the program leaves behind then is what a kill at that moment would leave, so a test
// can stop it at every moment in turn without depending on timing.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

long StopAt()
{
    static const long stopAt = [] {
        const char* text = std::getenv("ZEM_STOP_AT_CHANGE");
        return text != nullptr ? std::atol(text) : 0L;
    }();
    return stopAt;
}

void Change()
{
    static long changes = 0;
    if (StopAt() > 0 && ++changes >= StopAt()) ::raise(SIGKILL);
}

template <class Function>
Function* Real(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// Standard output and error are the program's words, not its files.
extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    if (fd > 2) Change();
    return Real<ssize_t(int, const void*, size_t)>("write")(fd, data, size);
}

extern "C" ssize_t writev(int fd, const struct iovec* parts, int count)
{
    if (fd > 2) Change();
    return Real<ssize_t(int, const struct iovec*, int)>("writev")(fd, parts, count);
}

#define ZEM_STOP_BEFORE(result, name, parameters, arguments)                                                           \
    extern "C" result name parameters                                                                                  \
    {                                                                                                                  \
        Change();                                                                                                      \
        return Real<result parameters>(#name) arguments;                                                               \
    }

ZEM_STOP_BEFORE(int, fsync, (int fd), (fd))
ZEM_STOP_BEFORE(int, fdatasync, (int fd), (fd))
ZEM_STOP_BEFORE(int, ftruncate, (int fd, off_t length), (fd, length))
ZEM_STOP_BEFORE(int, rename, (const char* from, const char* to), (from, to))
ZEM_STOP_BEFORE(int, renameat, (int fromDir, const char* from, int toDir, const char* to), (fromDir, from, toDir, to))
ZEM_STOP_BEFORE(int, renameat2, (int fromDir, const char* from, int toDir, const char* to, unsigned int flags),
                (fromDir, from, toDir, to, flags))
ZEM_STOP_BEFORE(int, mkdir, (const char* path, mode_t mode), (path, mode))
ZEM_STOP_BEFORE(int, mkdirat, (int dir, const char* path, mode_t mode), (dir, path, mode))
ZEM_STOP_BEFORE(int, link, (const char* from, const char* to), (from, to))
ZEM_STOP_BEFORE(int, linkat, (int fromDir, const char* from, int toDir, const char* to, int flags),
                (fromDir, from, toDir, to, flags))
ZEM_STOP_BEFORE(int, unlink, (const char* path), (path))
ZEM_STOP_BEFORE(int, unlinkat, (int dir, const char* path, int flags), (dir, path, flags))
ZEM_STOP_BEFORE(int, rmdir, (const char* path), (path))
ZEM_STOP_BEFORE(int, remove, (const char* path), (path))
