#include "app/StageIdText.h"

#include <cstdint>
#include <cstdio>

namespace {

// The ids of the files of before: at most this long.
constexpr size_t kPlainIdLength = 64;
// A stem's encoded part longer than this is cut to kStemKept characters and hashed.
constexpr size_t kStemChars = 120;
constexpr size_t kStemKept = 100;

bool IsOldSectionId(const std::string& id)
{
    if (id.empty() || id.size() > kPlainIdLength) return false;
    for (const char c : id) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x21 || u > 0x7E || c == '[' || c == ']' || c == '#') return false;
    }
    return true;
}

std::string Hex(unsigned char byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02x", byte);
    return text;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The id's bytes in a 64-bit FNV-1a hash, as 16 hex digits: the same on every machine.
std::string Fnv1a(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

bool BlankOrComment(const std::string& text, size_t from)
{
    const size_t next = text.find_first_not_of(" \t\r", from);
    return next == std::string::npos || text[next] == '#';
}

// The quoted name of ["NAME"] from just after its opening quote; false when damaged.
bool ReadQuotedId(const std::string& line, size_t at, std::string& id)
{
    id.clear();
    while (at < line.size() && line[at] != '"') {
        const auto u = static_cast<unsigned char>(line[at]);
        if (u < 0x20 || u == 0x7F) return false;
        if (line[at] != '\\') {
            id += line[at++];
        } else if (at + 1 < line.size() && (line[at + 1] == '\\' || line[at + 1] == '"')) {
            id += line[at + 1];
            at += 2;
        } else if (at + 3 < line.size() && line[at + 1] == 'x' && HexDigit(line[at + 2]) >= 0 &&
                   HexDigit(line[at + 3]) >= 0) {
            id += static_cast<char>(HexDigit(line[at + 2]) * 16 + HexDigit(line[at + 3]));
            at += 4;
        } else {
            return false;
        }
        if (id.size() > kStageIdBytes) return false;
    }
    return at + 1 < line.size() && line[at + 1] == ']' && !id.empty() && BlankOrComment(line, at + 2);
}

} // namespace

bool IsPlainStageId(const std::string& id)
{
    return IsOldSectionId(id) && id.front() != '"';
}

std::string StageSection(const std::string& id)
{
    if (IsPlainStageId(id)) return "[" + id + "]";
    std::string text = "[\"";
    for (const char c : id) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\')
            text += c;
        else
            text += "\\x" + Hex(u);
    }
    return text + "\"]";
}

bool ReadStageSection(const std::string& line, std::string& id)
{
    const size_t open = line.find_first_not_of(" \t\r");
    if (open == std::string::npos || line[open] != '[') return false;
    if (line.compare(open, 2, "[\"") == 0) return ReadQuotedId(line, open + 2, id);
    // The plain form: one word up to a comment.
    const size_t close = line.find(']', open);
    if (close == std::string::npos || !BlankOrComment(line, close + 1)) return false;
    id = line.substr(open + 1, close - open - 1);
    return IsOldSectionId(id);
}

std::string StageFileStem(const std::string& id)
{
    // A player's stage named like one of the game's has an id with a '/' ("./2"), which a file's
    // name cannot hold.
    if (IsPlainStageId(id) && id.find('/') == std::string::npos) return id;
    std::string encoded;
    size_t kept = 0; // the encoded length up to a whole character, where a long one is cut
    for (const char c : id) {
        const auto u = static_cast<unsigned char>(c);
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                          c == '_' || c == '-';
        encoded += safe ? std::string(1, c) : "%" + Hex(u);
        if (encoded.size() <= kStemKept) kept = encoded.size();
    }
    if (encoded.size() > kStemChars) encoded = encoded.substr(0, kept) + "~" + Fnv1a(id);
    return "[" + encoded + "]";
}
