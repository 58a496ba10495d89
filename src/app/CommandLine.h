#pragma once
#include <optional>
#include <span>
#include <string>

// What the player asked for on the command line.
struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    // The answer to the start-up question about full screen; none: ask (or ZEM_FULLSCREEN).
    std::optional<bool> fullscreen;
    // --record FILE: write the run as a key timeline; --replay FILE: play a recorded run.
    std::string recordFile;
    std::string replayFile;
    // For Action::Error: one line naming the argument.
    std::string error;
};

// Reads the arguments after the program name. The last of --fullscreen and --windowed wins.
CommandLine ParseCommandLine(std::span<const char* const> args);

// The --help text.
std::string UsageText();
