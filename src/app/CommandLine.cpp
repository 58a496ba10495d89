#include "app/CommandLine.h"

#include <string_view>

#include "app/Quote.h"

namespace {

// An unknown option is shown at most this long.
constexpr size_t kOptionShown = 64;

} // namespace

CommandLine ParseCommandLine(std::span<const char* const> args)
{
    CommandLine result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option == "--record" || option == "--replay") {
            if (i + 1 >= args.size()) {
                result.action = CommandLine::Action::Error;
                result.error = std::string(option) + " needs a file (try --help)";
                return result;
            }
            (option == "--record" ? result.recordFile : result.replayFile) = args[++i];
        } else if (option == "--fullscreen") {
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
            result.error = "unknown option " + Quote(option, kOptionShown) + " (try --help)";
            return result;
        }
    }
    if (!result.recordFile.empty() && !result.replayFile.empty()) {
        result.action = CommandLine::Action::Error;
        result.error = "--record and --replay do not go together";
    }
    return result;
}

std::string UsageText()
{
    return "usage: zem [--fullscreen | --windowed] [--record FILE | --replay FILE] [--help] [--version]\n"
           "\n"
           "  --fullscreen  play full screen without asking\n"
           "  --windowed    play in a window without asking\n"
           "  --record FILE write the run to FILE (replay it with --replay or zem-headless --keys)\n"
           "  --replay FILE play a recorded run back\n"
           "  --help        show this text\n"
           "  --version     show the version\n"
           "\n"
           "ZEM_FULLSCREEN=yes|no answers the full-screen question too (the options win), and both\n"
           "win over the answer kept in the settings ($XDG_CONFIG_HOME/zem/settings.ini) for this run.\n"
           "F11 or Alt+Enter switches between window and full screen while playing; O on the title\n"
           "or the pause screen opens the options (volumes, full screen, keys and buttons).\n";
}
