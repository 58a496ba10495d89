#include "platform/StandardErrorCapture.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <vector>

#include "platform/TerminalText.h"

namespace platform {

namespace {

constexpr size_t kShownMessages = 3;
constexpr size_t kMessageChars = 120;

} // namespace

StandardErrorCapture::StandardErrorCapture()
{
    // Without a standard error there is nothing to keep from the terminal (and the pipe could
    // take its number).
    if (::fcntl(STDERR_FILENO, F_GETFD) == -1) return;
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return;
    std::fflush(stderr);
    mSaved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (mSaved < 0 || ::dup2(ends[1], STDERR_FILENO) < 0) {
        if (mSaved >= 0) ::close(mSaved);
        mSaved = -1;
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    ::close(ends[1]);
    mPipe = ends[0];
}

StandardErrorCapture::~StandardErrorCapture()
{
    Finish();
}

std::string StandardErrorCapture::Finish()
{
    if (mPipe < 0) return {};
    std::fflush(stderr);
    ::dup2(mSaved, STDERR_FILENO);
    ::close(mSaved);
    mSaved = -1;
    // A write that found the pipe full failed; standard error must not stay marked as failed.
    std::clearerr(stderr);

    std::vector<std::string> messages;
    std::string current;
    size_t lines = 0;
    size_t bytes = 0;
    char buffer[4096];
    for (ssize_t got; (got = ::read(mPipe, buffer, sizeof buffer)) > 0;) {
        bytes += static_cast<size_t>(got);
        for (ssize_t i = 0; i < got; ++i) {
            const auto c = static_cast<unsigned char>(buffer[i]);
            if (c == '\n') {
                if (!current.empty()) {
                    ++lines;
                    if (messages.size() < kShownMessages) messages.push_back(TerminalText(current, kMessageChars));
                }
                current.clear();
            } else if (current.size() <= kMessageChars) {
                current += static_cast<char>(c); // one byte past the bound tells that it was cut
            }
        }
    }
    if (!current.empty()) {
        ++lines;
        if (messages.size() < kShownMessages) messages.push_back(TerminalText(current, kMessageChars));
    }
    // A write of a line finds room for all of it or fails: a pipe with less room left than the
    // longest line may have turned some away.
    const int capacity = ::fcntl(mPipe, F_GETPIPE_SZ);
    const bool full = capacity > 0 && bytes + PIPE_BUF > static_cast<size_t>(capacity);
    ::close(mPipe);
    mPipe = -1;

    std::string line;
    for (const std::string& message : messages) line += (line.empty() ? "" : "; ") + message;
    if (full) line += " (and more than " + std::to_string(lines - messages.size()) + " more)";
    else if (lines > messages.size()) line += " (and " + std::to_string(lines - messages.size()) + " more)";
    return line;
}

} // namespace platform
