#include "app/Assert.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

#ifdef NDEBUG
bool gFatal = false;
#else
bool gFatal = true;
#endif
int gFailures = 0;

// Wide text to UTF-8 without depending on the process locale.
std::string ToUtf8(const wchar_t* text)
{
    std::string out;
    for (; text != nullptr && *text != L'\0'; ++text) {
        const auto c = static_cast<uint32_t>(*text);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

void AssertFailed(const wchar_t* message, const char* file, int line)
{
    ++gFailures;
    std::fprintf(stderr, "zem: assertion failed: %s (%s:%d)\n", ToUtf8(message).c_str(), file, line);
    if (gFatal) std::abort();
}

void SetAssertionsFatal(bool fatal)
{
    gFatal = fatal;
}

int AssertionFailures()
{
    return gFailures;
}
