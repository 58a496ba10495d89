#pragma once
#include <filesystem>

namespace platform {

// An advisory lock on a file the player keeps, for as long as this object lives: games that
// share the file take their turns reading it and replacing it. The lock is a file of its own
// beside the guarded one ("FILE.lock", left in place, so that no game ever locks a file another
// has just removed). Taking it waits while another game holds it; where it cannot be taken at
// all (the folder cannot be written), nothing is held and the caller goes on alone.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& guarded);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return mFd >= 0; }

private:
    int mFd = -1;
};

} // namespace platform
