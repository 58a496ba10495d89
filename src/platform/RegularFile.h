#pragma once
#include <string>

// The game's data files are regular files. A FIFO would block the start for ever and a device
// such as /dev/zero never ends, so anything else is refused before it is opened, with the reason.
namespace platform {

bool IsRegularFile(const std::string& path, std::string& problem);

} // namespace platform
