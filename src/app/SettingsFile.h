#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "app/Settings.h"

// The settings file: lines "name = value", '#' starting a comment line (FormatSettings writes the
// whole list with its explanation). Each good line is applied over `settings`; each bad one
// (unknown name, bad value, a key or button already used or reserved) is described in
// `problems` as "line N: ..." and skipped, and an action whose every line is refused keeps its
// keys. A UTF-8 byte-order mark at the start is passed over.
void ParseSettings(const std::string& text, Settings& settings, std::vector<std::string>& problems);
std::string FormatSettings(const Settings& settings);

// The player's settings file, read once at start and replaced atomically when changed.
class CSettingsFile {
public:
    // A settings file is a page of short lines; reading stops here.
    static constexpr size_t kMaxBytes = 8u << 10;

    explicit CSettingsFile(std::filesystem::path path) : mPath(std::move(path)) {}

    // Reads the file over the defaults in `settings`: a missing file changes nothing; a file that
    // is not regular, cannot be read or is too long is named in one line, a bad line in one line
    // each, and every good line is kept.
    void Load(Settings& settings) const;
    // Replaces the file; false (said in one line) when it cannot be written. A file there that
    // the game cannot read whole (too long, unreadable) is moved aside first, never written over.
    bool Save(const Settings& settings) const;
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
};
