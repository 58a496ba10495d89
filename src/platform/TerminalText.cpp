#include "platform/TerminalText.h"

#include <algorithm>

namespace platform {

namespace {

// The length of the valid UTF-8 character at the start of `text`, and its code point; 0 when the
// bytes there are no character (a stray or cut-short sequence, an overlong form, a UTF-16
// surrogate, a code point past U+10FFFF).
size_t DecodeCharacter(std::string_view text, char32_t& codePoint)
{
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < least || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) return 0;
    return length;
}

// Characters beyond ASCII that a terminal acts on (C1) or that rearrange or break the line.
bool ShownAsCode(char32_t c)
{
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

void AppendAscii(std::string& out, unsigned char c)
{
    switch (c) {
    case '\\': out += "\\\\"; return;
    case '\a': out += "\\a"; return;
    case '\b': out += "\\b"; return;
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\v': out += "\\v"; return;
    case '\f': out += "\\f"; return;
    case '\r': out += "\\r"; return;
    case 0x1B: out += "\\e"; return;
    default: break;
    }
    if (c < 0x20 || c == 0x7F)
        AppendHex(out, "\\x", c, 2);
    else
        out += static_cast<char>(c);
}

} // namespace

std::string TerminalText(std::string_view text, size_t shown)
{
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        char32_t codePoint = 0;
        const size_t length = DecodeCharacter(text.substr(at), codePoint);
        if (at + std::max<size_t>(length, 1) > shown) break;
        if (length == 0) {
            AppendHex(out, "\\x", static_cast<unsigned char>(text[at]), 2);
            ++at;
        } else if (length == 1) {
            AppendAscii(out, static_cast<unsigned char>(text[at]));
            ++at;
        } else {
            if (ShownAsCode(codePoint))
                AppendHex(out, "\\u", static_cast<unsigned>(codePoint), 4);
            else
                out.append(text.substr(at, length));
            at += length;
        }
    }
    if (at < text.size()) out += "...";
    return out;
}

} // namespace platform
