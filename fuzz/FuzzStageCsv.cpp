// A stage file read into a grid between two guards that must stay untouched.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "map/StageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    struct Guarded {
        int32_t before[16];
        StageGrid grid;
        int32_t after[16];
    };
    static auto guarded = std::make_unique<Guarded>();
    std::fill(std::begin(guarded->before), std::end(guarded->before), 77);
    std::fill(std::begin(guarded->after), std::end(guarded->after), 77);
    const std::string& path = InputFile(data, size);
    // Nothing that grows with the file: the quoted start of a bad field and the messages.
    WithinBudget(size, 0, 4096, [&] { LoadStageCsv(path, guarded->grid); });
    if (std::any_of(std::begin(guarded->before), std::end(guarded->before), [](int32_t v) { return v != 77; }) ||
        std::any_of(std::begin(guarded->after), std::end(guarded->after), [](int32_t v) { return v != 77; })) {
        std::abort();
    }
    return 0;
}
