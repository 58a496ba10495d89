#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The user's own data directory for the game: $XDG_DATA_HOME/zem, or ~/.local/share/zem;
// nothing when neither variable gives an absolute path.
std::optional<std::filesystem::path> UserDataDirectory();
// The user's own settings directory for the game: $XDG_CONFIG_HOME/zem, or ~/.config/zem.
std::optional<std::filesystem::path> UserConfigDirectory();

// Writes all of `text` to the open file `fd` and syncs it to the disk; false on the first failure
// (errno says why).
bool WriteAllAndSync(int fd, const std::string& text);

// Replaces `file` with `text` so that a crash or a full disk leaves either the old or the new
// content, never a mix: a temporary file beside it is written, synced and renamed over it.
// Each call writes a temporary file of its own name, so two games replacing the same file at
// once never write into, or rename away, each other's. The folder is made when missing. False
// with the reason in `error`.
bool WriteFileAtomically(const std::filesystem::path& file, const std::string& text, std::string& error);

// Moves `file` out of the way to the first free name of "FILE.damaged", "FILE.damaged-2", ...
// "FILE.damaged-99", never replacing a file already there. The new name in `movedTo`; false
// with the reason in `error`.
bool SetAside(const std::filesystem::path& file, std::filesystem::path& movedTo, std::string& error);

} // namespace platform
