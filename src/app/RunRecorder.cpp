#include "app/RunRecorder.h"

#include "app/KeyTimeline.h"

namespace {

// Every key a timeline can name, except Escape, which ends the program before any frame sees it.
const std::vector<int>& RecordedKeys()
{
    static const std::vector<int> keys = [] {
        std::vector<int> found;
        for (int vk = 0; vk < 256; ++vk) {
            if (vk != platform::VK_ESCAPE && !KeyTimeline::KeyNameOf(vk).empty()) found.push_back(vk);
        }
        return found;
    }();
    return keys;
}

} // namespace

CRunRecorder::CRunRecorder(std::ostream& out, const std::string& dataStamp, int openStages,
                           const std::string& stagesStamp)
    : mOut(out)
{
    mOut << "# a recorded run of zem: zem --replay FILE, or zem-headless --keys FILE\n";
    mOut << "data " << dataStamp << "\n";
    mOut << "open " << openStages << "\n";
    if (!stagesStamp.empty()) mOut << "stages " << stagesStamp << "\n";
}

void CRunRecorder::Keys(long frame, const platform::Keyboard& keyboard)
{
    std::vector<int> held;
    for (int vk : RecordedKeys()) {
        if (keyboard.IsDown(vk)) held.push_back(vk);
    }
    if (!mFirstKeys && held == mHeld) return;
    WriteClockLine();
    mFirstKeys = false;
    mHeld = held;
    mOut << frame;
    for (int vk : held) mOut << ' ' << KeyTimeline::KeyNameOf(vk);
    mOut << '\n';
}

uint32_t CRunRecorder::Read(long frame, uint32_t clockNow)
{
    if (frame != mClockFrame) WriteClockLine();
    mClockFrame = frame;
    mClock.push_back(clockNow);
    return clockNow;
}

// Equal readings in a row are written once with their count.
void CRunRecorder::WriteClockLine()
{
    if (mClock.empty()) return;
    mOut << "clock " << mClockFrame;
    for (size_t i = 0; i < mClock.size();) {
        size_t same = 1;
        while (i + same < mClock.size() && mClock[i + same] == mClock[i]) ++same;
        mOut << ' ' << mClock[i];
        if (same > 1) mOut << 'x' << same;
        i += same;
    }
    mOut << '\n';
    mClock.clear();
}

bool CRunRecorder::Finish(long lastFrame)
{
    WriteClockLine();
    mOut << lastFrame + 1 << " Escape\n";
    mOut.flush();
    return static_cast<bool>(mOut);
}
