#include "support/TempDir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zem-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary directory");
    mPath = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

std::filesystem::path TempDir::Write(const std::string& relative, const std::string& content) const
{
    const std::filesystem::path full = mPath / std::filesystem::u8path(relative);
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out << content;
    return full;
}

ScopedWorkingDir::ScopedWorkingDir(const std::filesystem::path& dir) : mPrevious(std::filesystem::current_path())
{
    std::filesystem::current_path(dir);
}

ScopedWorkingDir::~ScopedWorkingDir()
{
    std::error_code ignored;
    std::filesystem::current_path(mPrevious, ignored);
}
