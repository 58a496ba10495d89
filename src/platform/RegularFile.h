#pragma once
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

// The game's data files are regular files. A FIFO would block the start for ever and a device
// such as /dev/zero never ends, so anything else is refused, with the reason.
namespace platform {

bool IsRegularFile(const std::string& path, std::string& problem);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for reading when it is a regular file; null, with the reason in `problem`,
// otherwise. The file opened is the one checked: what the path names is looked at again on the
// open file, so a pipe or a device put in its place between the look and the open is refused
// too, and opening a pipe never waits for a writer.
FilePtr OpenRegularFile(const std::string& path, std::string& problem);

// Reads at most `maxBytes` of the regular file at `path` into `text` (what was read); false, with
// `text` empty and the reason in `problem`, when it is not a regular file or cannot be read. A
// small file of lines asks for one byte more than its bound, so that a longer one shows.
bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text, std::string& problem);
bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text);

} // namespace platform
