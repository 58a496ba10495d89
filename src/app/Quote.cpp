#include "app/Quote.h"

namespace {

// A path is shown whole up to this many bytes; a longer one by its start and its end.
constexpr size_t kPathShown = 512;
constexpr size_t kPathStart = 128;
constexpr size_t kPathEnd = 384;

} // namespace

std::string QuotePath(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    if (text.size() <= kPathShown) return platform::TerminalText(text, kPathShown);
    // The end starts at a character, not inside one (a UTF-8 character has at most three
    // continuation bytes).
    size_t end = text.size() - kPathEnd;
    for (int skipped = 0; skipped < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++skipped) ++end;
    const std::string_view rest = std::string_view(text).substr(end);
    // The start's own cut adds the "..." between the two.
    return platform::TerminalText(text, kPathStart) + platform::TerminalText(rest, rest.size());
}
