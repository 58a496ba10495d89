// A ghost file as the game reads it when a stage begins, then raced: its frames and where it
// first reached each column. A ghost read is one the game could have written: written again,
// it reads back the same, as a run kept as the new ghost does.
#include <cstdlib>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/Geometry.h"
#include "app/GhostPath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    GhostPath ghost;
    std::string stamp;
    bool read = false;
    // The file's bytes, its frames (16 bytes for each 13 of the file), the column index and the
    // stream's buffer: 2.5 times the file; a file larger than a full ghost is refused unread.
    WithinBudget(size, 3, 16 * 1024, [&] {
        std::string problem;
        read = ghost.Load(path, stamp, problem);
    });
    if (!read) return 0;
    if (ghost.Size() > GhostPath::kMaxFrames || size != GhostPath::kHeaderBytes + ghost.Size() * GhostPath::kFrameBytes)
        std::abort();
    for (float x : {-1.0f, 0.0f, 39.0f, 4000.0f, kStageWidth - 1.0f, kStageWidth + 100.0f}) {
        if (const auto frame = ghost.FirstFrameAt(x); frame && *frame >= ghost.Size()) std::abort();
    }

    GhostPath again;
    std::string stampAgain;
    std::string problem;
    if (!again.Decode(ghost.Encode(stamp), stampAgain, problem) || stampAgain != stamp || again.Size() != ghost.Size())
        std::abort();
    for (size_t f = 0; f < ghost.Size(); ++f) {
        const GhostFrame& a = ghost.At(f);
        const GhostFrame& b = again.At(f);
        if (a.x != b.x || a.y != b.y || a.width != b.width || a.height != b.height || a.anim != b.anim ||
            a.cell != b.cell || a.facing != b.facing)
            std::abort();
    }
    return 0;
}
