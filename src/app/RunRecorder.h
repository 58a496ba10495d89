#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "app/SeedClockHook.h"
#include "platform/Keyboard.h"

// Writes what the player did as a key timeline (the headless runner's format) together with
// the clock readings the game seeded its generator from and the stamp of the game data, so
// that the run can be played again exactly.
class CRunRecorder final : public SeedClockHook {
public:
    // `openStages`: how many of the game's own stages are open as the run begins; `stagesStamp`:
    // the player's stages the title lists (PlayerStagesStamp), empty for none.
    CRunRecorder(std::ostream& out, const std::string& dataStamp, int openStages = 1,
                 const std::string& stagesStamp = "");

    // The keys the game sees in `frame` (frames count from 1), given before the frame runs.
    void Keys(long frame, const platform::Keyboard& keyboard);
    uint32_t Read(long frame, uint32_t clockNow) override;
    // Ends the timeline with Escape after `lastFrame`, the last frame played; false when
    // the file could not be written completely.
    bool Finish(long lastFrame);

private:
    void WriteClockLine();

    std::ostream& mOut;
    std::vector<int> mHeld;
    bool mFirstKeys = true;
    long mClockFrame = -1;
    std::vector<uint32_t> mClock;
};
