// A key timeline as zem-headless reads it, then the keys of a few frames.
#include <sstream>
#include <string>

#include "AllocationBudget.h"
#include "app/KeyTimeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    // The reader holds no line, only a word: a few bytes per line or per run of equal clock
    // readings (at most about six times the text), and the messages. A reader that kept every
    // reading (16 bytes for each "0 " of a clock line) or copied lines goes past this at once.
    WithinBudget(size, 8, 2048, [&] {
        KeyTimeline timeline;
        std::string error;
        if (!timeline.Parse(in, "fuzz.keys", error)) return;
        for (long frame : {1L, 2L, 1000L, 1L << 40}) timeline.KeysAt(frame);
    });
    return 0;
}
