#include "platform/FolderSwap.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/TerminalText.h"
#include "platform/UserFiles.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// ".castle.zem-k3Xq9Z" beside "castle": hidden, and marked as the work of a replacement.
constexpr const char* kMark = ".zem-";
constexpr size_t kMarkLength = 5;
constexpr size_t kSuffixLength = 6;

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

std::string RandomSuffix()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (size_t i = 0; i < kSuffixLength; ++i) suffix += kLetters[pick(device)];
    return suffix;
}

bool IsUnfinishedFolderOf(const std::string& entry, const std::string& name)
{
    const std::string prefix = "." + name + kMark;
    return entry.size() == prefix.size() + kSuffixLength && entry.compare(0, prefix.size(), prefix) == 0;
}

bool SyncPath(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool WriteNewFile(const fs::path& path, const std::string& content, std::string& error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = SystemError("cannot write " + path.filename().string());
        return false;
    }
    bool ok = WriteAllAndSync(fd, content);
    if (!ok) error = SystemError("cannot write " + path.filename().string());
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = SystemError("cannot write " + path.filename().string());
    }
    return ok;
}

// The folder a path names: without a trailing slash, through a link to a folder.
fs::path FolderNamed(const fs::path& given)
{
    std::error_code ec;
    fs::path folder = fs::absolute(given, ec).lexically_normal();
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    if (fs::is_symlink(folder, ec)) {
        const fs::path target = fs::canonical(folder, ec);
        if (!ec) folder = target;
    }
    return folder;
}

// What replacing `folder` must carry over from it: every entry that is not one of `files`.
// False when one of them is anything but a regular file.
bool OtherFiles(const fs::path& folder, const std::vector<FolderFile>& files, std::vector<fs::path>& others,
                std::string& error)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (std::any_of(files.begin(), files.end(), [&](const FolderFile& file) { return file.name == entry; })) {
            continue;
        }
        if (!it->is_regular_file(ec) || it->is_symlink(ec)) {
            error = "it holds '" + TerminalText(entry, 64) + "', which is not a file; the folder is not replaced";
            return false;
        }
        others.push_back(it->path());
    }
    if (ec) error = "cannot read the folder: " + ec.message();
    return !ec;
}

bool CarryOver(const std::vector<fs::path>& others, const fs::path& into, std::string& error)
{
    for (const fs::path& other : others) {
        const fs::path copy = into / other.filename();
        if (::link(other.c_str(), copy.c_str()) == 0) continue;
        std::error_code ec;
        if (!fs::copy_file(other, copy, ec)) {
            error = "cannot keep '" + TerminalText(other.filename().string(), 64) + "': " + ec.message();
            return false;
        }
    }
    return true;
}

// A new folder beside `folder`, named as unfinished work of a replacement; empty when none can be made.
fs::path MakeFolderBeside(const fs::path& folder, std::string& error)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = folder.parent_path() / ("." + folder.filename().string() + kMark + RandomSuffix());
        if (::mkdir(candidate.c_str(), 0777) == 0) return candidate;
        if (errno != EEXIST) break;
    }
    error = SystemError("cannot make a new folder beside it");
    return {};
}

// Swaps the new folder in: in one exchange of names over an old folder, else in one rename. The
// old folder ends up under the new one's name beside it.
bool SwapIn(const fs::path& fresh, const fs::path& folder, bool replacing, std::string& error)
{
    const unsigned int how = replacing ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, folder.c_str(), how) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) {
        error = SystemError(replacing ? "cannot swap the new folder in" : "cannot put the new folder in place");
        return false;
    }
    // A file system without the exchange: the old folder steps aside first, so for a moment
    // there is no folder, but never a mixed one.
    const fs::path aside = replacing ? MakeFolderBeside(folder, error) : fs::path();
    if (replacing && (aside.empty() || std::rename(folder.c_str(), aside.c_str()) != 0)) {
        if (!aside.empty()) {
            error = SystemError("cannot move the old folder aside");
            ::rmdir(aside.c_str());
        }
        return false;
    }
    if (std::rename(fresh.c_str(), folder.c_str()) != 0) {
        error = SystemError("cannot put the new folder in place");
        if (replacing) std::rename(aside.c_str(), folder.c_str());
        return false;
    }
    if (replacing) std::rename(aside.c_str(), fresh.c_str());
    return true;
}

} // namespace

bool IsUnfinishedFolder(const std::string& name)
{
    const size_t tail = kMarkLength + kSuffixLength;
    return name.size() > tail + 1 && name[0] == '.' && name.compare(name.size() - tail, kMarkLength, kMark) == 0;
}

bool ReplaceFolder(const fs::path& given, const std::vector<FolderFile>& files, std::string& error)
{
    const fs::path folder = FolderNamed(given);
    const std::string name = folder.filename().string();
    if (name.empty() || name == "." || name == "..") {
        error = "not a folder that can be written";
        return false;
    }
    const fs::path parent = folder.parent_path();
    std::error_code ec;
    fs::create_directories(parent, ec);
    if (ec) {
        error = "cannot make the folder it goes in: " + ec.message();
        return false;
    }
    struct stat old {};
    const bool replacing = ::lstat(folder.c_str(), &old) == 0;
    if (replacing && !S_ISDIR(old.st_mode)) {
        error = "not a folder; nothing is written";
        return false;
    }
    std::vector<fs::path> others;
    if (replacing && !OtherFiles(folder, files, others, error)) return false;

    // What a replacement of this folder stopped half-way left behind goes first.
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsUnfinishedFolderOf(it->path().filename().string(), name)) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }

    const fs::path fresh = MakeFolderBeside(folder, error);
    if (fresh.empty()) return false;
    bool ok = !replacing || ::chmod(fresh.c_str(), old.st_mode & 07777) == 0;
    if (!ok) error = SystemError("cannot give the new folder the old one's permissions");
    for (const FolderFile& file : files) ok = ok && WriteNewFile(fresh / file.name, file.content, error);
    ok = ok && CarryOver(others, fresh, error);
    if (ok && !SyncPath(fresh)) {
        ok = false;
        error = SystemError("cannot write the new folder");
    }
    ok = ok && SwapIn(fresh, folder, replacing, error);
    if (ok) SyncPath(parent);
    // After the swap the old folder is in the new one's place beside it: gone either way.
    fs::remove_all(fresh, ec);
    return ok;
}

} // namespace platform
