#pragma once
#include <filesystem>
#include <string>

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    // Writes `content` to `relative` (folders made as needed) and returns the full path.
    std::filesystem::path Write(const std::string& relative, const std::string& content) const;

private:
    std::filesystem::path mPath;
};

// Changes the working directory for the lifetime of the object (the game loads by relative path).
class ScopedWorkingDir {
public:
    explicit ScopedWorkingDir(const std::filesystem::path& dir);
    ~ScopedWorkingDir();
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

private:
    std::filesystem::path mPrevious;
};
