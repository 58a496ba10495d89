#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// A file to put in a folder: its name there and its whole content.
struct FolderFile {
    std::string name;
    std::string content;
};

// Makes `folder` hold `files` in one change, so that a reader at any moment, and after a crash or
// a kill at any moment, finds the old folder whole or the new one whole, never a mix: the new
// folder is written beside it (each file synced), then swapped in for the old one in one rename,
// and the old one is removed. Other files of the old folder are kept in the new one; a folder
// holding anything else (a folder of its own, a link) is not replaced. A link to a folder
// replaces the folder it leads to. False, with the reason in `error`, when nothing was changed.
bool ReplaceFolder(const std::filesystem::path& folder, const std::vector<FolderFile>& files, std::string& error);

// Whether an entry of a folder is what a ReplaceFolder that was stopped half-way left beside its
// folder: readers of a folder of folders pass over it, and the next ReplaceFolder of the same
// folder removes it.
bool IsUnfinishedFolder(const std::string& name);

} // namespace platform
