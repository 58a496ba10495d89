#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/TerminalText.h"

// Every word a message takes from outside the game (a file, a folder's name, the environment, the
// command line) goes through these, so that it is shown escaped (platform::TerminalText says how)
// and cut short: a hostile word can neither flood a one-line message nor send escape sequences to
// the terminal.

// A word in single quotes, at most `shown` bytes of it (then "...").
inline std::string Quote(std::string_view word, size_t shown)
{
    return "'" + platform::TerminalText(word, shown) + "'";
}

// A path as a message names it, without quotes ("zem: PATH: what is wrong"); a path of more than a
// few hundred bytes shows its start and its end (the file's own name) around "...".
std::string QuotePath(const std::filesystem::path& path);
