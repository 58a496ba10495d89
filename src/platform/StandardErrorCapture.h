#pragma once
#include <string>

namespace platform {

// While it lives, what is written to standard error goes into a pipe instead of the terminal:
// the picture decoders' libraries print lines of their own (libpng's warnings and errors), and
// the game says what they found in one line of its own. The pipe never blocks a writer: once
// it is full (64 KB) the rest is dropped.
class StandardErrorCapture {
public:
    StandardErrorCapture();
    ~StandardErrorCapture();
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Gives standard error back and returns what was written as one line: the first few
    // messages joined by "; ", each cut short, control characters shown as '?', and how many
    // more there were. Empty when nothing was written.
    std::string Finish();

private:
    int mSaved = -1; // standard error as it was
    int mPipe = -1;  // the reading end
};

} // namespace platform
