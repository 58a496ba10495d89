#include "app/PlayerFile.h"

#include <cstdio>

#include "app/Quote.h"
#include "platform/RegularFile.h"
#include "platform/UserFiles.h"

PlayerFileText ReadPlayerFile(const std::filesystem::path& path, size_t maxBytes)
{
    PlayerFileText read;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return read;
    read.state = PlayerFileText::State::Unread;
    if (!platform::IsRegularFile(path.string(), read.problem)) return read;
    // One byte more than the bound shows whether there is more.
    if (!platform::ReadAtMost(path, maxBytes + 1, read.text)) {
        read.problem = "cannot be read";
        return read;
    }
    if (read.text.size() <= maxBytes) {
        read.state = PlayerFileText::State::Whole;
        return read;
    }
    // The line cut by the bound, and everything after it, is not read.
    const size_t lastEnd = maxBytes == 0 ? std::string::npos : read.text.rfind('\n', maxBytes - 1);
    read.text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    read.state = PlayerFileText::State::Cut;
    read.problem = "longer than " + std::to_string(maxBytes) + " bytes";
    return read;
}

bool SetAsideUnlessWhole(const std::filesystem::path& path, const PlayerFileText& read, const char* notKept)
{
    if (read.state == PlayerFileText::State::Missing || read.state == PlayerFileText::State::Whole) return true;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return true;
    std::filesystem::path aside;
    std::string problem;
    if (platform::SetAside(path, aside, problem)) {
        std::fprintf(stderr, "zem: %s: %s, so not read whole; moved aside to %s\n", QuotePath(path).c_str(),
                     read.problem.c_str(), QuotePath(aside).c_str());
        return true;
    }
    // Gone in the meantime: nothing is lost by writing.
    if (!std::filesystem::exists(path, error)) return true;
    std::fprintf(stderr, "zem: %s: %s, so not read whole, and %s; %s\n", QuotePath(path).c_str(), read.problem.c_str(),
                 problem.c_str(), notKept);
    return false;
}
