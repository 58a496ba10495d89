// A key timeline as zem-headless reads it, then the keys of a few frames.
#include <sstream>
#include <string>

#include "AllocationBudget.h"
#include "app/KeyTimeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    // The text, a line of it and a few bytes per line.
    WithinBudget(size, 12, 4096, [&] {
        KeyTimeline timeline;
        std::string error;
        if (!timeline.Parse(in, "fuzz.keys", error)) return;
        for (long frame : {1L, 2L, 1000L, 1L << 40}) timeline.KeysAt(frame);
    });
    return 0;
}
