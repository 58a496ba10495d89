#pragma once
#include <filesystem>
#include <string>

// The game's data files are regular files. A FIFO would block the start for ever and a device
// such as /dev/zero never ends, so anything else is refused before it is opened, with the reason.
namespace platform {

bool IsRegularFile(const std::string& path, std::string& problem);

// Reads at most `maxBytes` of the file at `path` into `text` (what was read); false, with `text`
// empty, when it cannot be opened or read. A small file of lines asks for one byte more than
// its bound, so that a longer one shows.
bool ReadAtMost(const std::filesystem::path& path, size_t maxBytes, std::string& text);

} // namespace platform
