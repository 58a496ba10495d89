// The settings file as the game reads it at start, over the defaults; then what the game would
// write back when the options change, which must read back the same and without a complaint.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "AllocationBudget.h"
#include "InputFile.h"
#include "app/SettingsFile.h"

namespace {

// Every bound name is a whole name the platform knows, not reserved, and stands for one action
// once: a key or button held by two actions would press both.
template <typename Code>
void CheckNames(const std::array<std::vector<std::string>, kActionCount>& table, Code code, int none,
                bool (*isName)(const std::string&), bool (*reserved)(const std::string&))
{
    std::set<int> used;
    for (const auto& names : table) {
        if (names.size() > 4) std::abort();
        for (const std::string& name : names) {
            if (!isName(name) || reserved(name) || name.find('\0') != std::string::npos) std::abort();
            const int c = code(name.c_str());
            if (c == none || !used.insert(c).second) std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = InputFile(data, size);
    Settings settings;
    // The reader reads no more than its bound, into a buffer of the bound and the stream's. It
    // keeps a message for every bad line (about 80 bytes for a line of two, only five shown), so
    // a full file of bad lines holds 42 times what is read (340 KB).
    const size_t read = std::min(size, CSettingsFile::kMaxBytes);
    WithinBudget(read, 48, 32 * 1024, [&] { CSettingsFile(path).Load(settings); });

    if (settings.musicVolume < 0 || settings.musicVolume > Settings::kVolumeSteps || settings.effectsVolume < 0 ||
        settings.effectsVolume > Settings::kVolumeSteps) {
        std::abort();
    }
    CheckNames(
        settings.bindings.keys, [](const char* n) { return static_cast<int>(SDL_GetScancodeFromName(n)); },
        SDL_SCANCODE_UNKNOWN, platform::IsKeyName, IsReservedKey);
    CheckNames(
        settings.bindings.buttons,
        [](const char* n) { return static_cast<int>(SDL_GameControllerGetButtonFromString(n)); },
        SDL_CONTROLLER_BUTTON_INVALID, platform::IsButtonName, IsReservedButton);

    Settings again;
    std::vector<std::string> problems;
    ParseSettings(FormatSettings(settings), again, problems);
    if (!problems.empty() || !(again == settings)) std::abort();
    return 0;
}
