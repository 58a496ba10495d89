// A translation as the game reads it over its English.
#include <algorithm>
#include <cstdlib>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    CTexts texts;
    // The read buffer of the bound (64 KB) and the stream's, then what grows with a line: the
    // text copied into a stream, the line, its trimmed copy, its halves and its unescaped value,
    // grown a character at a time (a line of the whole file holds 7.8 times it); the 55 texts of
    // at most 400 bytes and the five named problems.
    const size_t read = std::min<size_t>(size, 64 * 1024);
    WithinBudget(read, 8, 128 * 1024, [&] { texts.Load(path); });

    // The screens draw every text: none is empty, overlong or holds a control character but the
    // line break.
    for (int i = 0; i < kTextCount; ++i) {
        const std::string& text = texts.Get(static_cast<TextId>(i));
        const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\n'; };
        if (text.empty() || text.size() > 400 || std::any_of(text.begin(), text.end(), control)) std::abort();
    }
    return 0;
}
