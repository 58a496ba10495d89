#include "app/CommandLine.h"

#include <string_view>

CommandLine ParseCommandLine(std::span<const char* const> args)
{
    CommandLine result;
    for (const char* arg : args) {
        const std::string_view option = arg;
        if (option == "--fullscreen") {
            result.fullscreen = true;
        } else if (option == "--windowed") {
            result.fullscreen = false;
        } else if (option == "--help" || option == "-h") {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (option == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        } else {
            result.action = CommandLine::Action::Error;
            result.error = "unknown option '" + std::string(option) + "' (try --help)";
            return result;
        }
    }
    return result;
}

std::string UsageText()
{
    return "usage: zem [--fullscreen | --windowed] [--help] [--version]\n"
           "\n"
           "  --fullscreen  play full screen without asking\n"
           "  --windowed    play in a window without asking\n"
           "  --help        show this text\n"
           "  --version     show the version\n"
           "\n"
           "ZEM_FULLSCREEN=yes|no answers the full-screen question too (the options win).\n"
           "F11 or Alt+Enter switches between window and full screen while playing.\n";
}
