#pragma once
#include <string>

// A word of a file as a message quotes it: in single quotes, at most `shown` characters (then
// "..."), control characters as '?', so a hostile file can neither flood a one-line message
// nor send escape sequences to the terminal.
inline std::string Quote(const std::string& word, size_t shown)
{
    std::string text;
    for (const char c : word.substr(0, shown)) text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (word.size() > shown) text += "...";
    return "'" + text + "'";
}
