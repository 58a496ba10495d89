#pragma once
#include <string>

// A line of a small text file without the blanks around it (spaces, tabs, a Windows line end).
inline std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A "name = value" line split at its first '=', both sides trimmed; false when it has none.
inline bool SplitNameValue(const std::string& line, std::string& name, std::string& value)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos) return false;
    name = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}
