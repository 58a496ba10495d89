#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/CommandLine.h"

namespace {

TEST(CommandLineTest, OptionsAnswerTheQuestionOrAskForHelpVersionOrAnError)
{
    using Action = CommandLine::Action;
    struct Case {
        std::vector<const char*> args;
        Action action;
        std::optional<bool> fullscreen;
        const char* error;
    };
    const Case cases[] = {
        {{}, Action::Play, std::nullopt, ""},
        {{"--fullscreen"}, Action::Play, true, ""},
        {{"--windowed"}, Action::Play, false, ""},
        {{"--fullscreen", "--windowed"}, Action::Play, false, ""},
        {{"--windowed", "--fullscreen"}, Action::Play, true, ""},
        {{"--help"}, Action::Help, std::nullopt, ""},
        {{"-h"}, Action::Help, std::nullopt, ""},
        {{"--windowed", "--version"}, Action::Version, false, ""},
        {{"--full"}, Action::Error, std::nullopt, "unknown option '--full'"},
        {{"--windowed", "stage2"}, Action::Error, false, "unknown option 'stage2'"},
        {{"--bogus", "--help"}, Action::Error, std::nullopt, "unknown option '--bogus'"},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const char* arg : c.args) joined += std::string(arg) + " ";
        SCOPED_TRACE(joined);
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.fullscreen, c.fullscreen);
        EXPECT_NE(line.error.find(c.error), std::string::npos) << line.error;
        if (c.action != Action::Error) {
            EXPECT_EQ(line.error, "");
        }
    }
}

TEST(CommandLineTest, HelpNamesEveryOption)
{
    const std::string help = UsageText();
    for (const char* option : {"--fullscreen", "--windowed", "--help", "--version", "ZEM_FULLSCREEN"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

} // namespace
