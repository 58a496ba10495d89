#include "app/SettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "app/Quote.h"
#include "app/Trim.h"
#include "platform/RegularFile.h"
#include "platform/UserFiles.h"

float VolumeGain(int step)
{
    const float share = static_cast<float>(std::clamp(step, 0, Settings::kVolumeSteps)) / Settings::kVolumeSteps;
    return share * share;
}

FullscreenSetting FullscreenAtStart(std::optional<bool> commandLine, const char* environment, FullscreenSetting kept)
{
    if (commandLine) return *commandLine ? FullscreenSetting::Yes : FullscreenSetting::No;
    if (environment != nullptr) return std::string(environment) == "yes" ? FullscreenSetting::Yes : FullscreenSetting::No;
    return kept;
}

namespace {

// More names for one action than anybody needs are a damaged file.
constexpr size_t kMaxNamesPerAction = 4;
// After this many bad lines the rest are only counted.
constexpr size_t kProblemsNamed = 5;

// How much of a word of the file a message quotes.
constexpr size_t kQuotedChars = 32;

bool ReadVolume(const std::string& value, int& out)
{
    if (value.empty() || value.size() > 2 || !std::all_of(value.begin(), value.end(), ::isdigit)) return false;
    out = std::stoi(value);
    return out <= Settings::kVolumeSteps;
}

const char* FullscreenWord(FullscreenSetting setting)
{
    switch (setting) {
    case FullscreenSetting::Yes: return "yes";
    case FullscreenSetting::No: return "no";
    case FullscreenSetting::Ask: break;
    }
    return "ask";
}

struct BindingLine {
    int number = 0;
    bool button = false;
    Action action = Action::WalkLeft;
    std::string name; // empty: the action has none
};

} // namespace

void ParseSettings(const std::string& text, Settings& settings, std::vector<std::string>& problems)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    auto bad = [&](const std::string& problem) {
        problems.push_back("line " + std::to_string(number) + ": " + problem);
    };
    std::vector<BindingLine> bindings;
    while (std::getline(in, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        std::string name, value;
        if (!SplitNameValue(trimmed, name, value)) {
            bad("not \"name = value\"");
            continue;
        }
        if (name == "music" || name == "effects") {
            int volume = 0;
            if (!ReadVolume(value, volume)) {
                bad("'" + name + "' needs a volume from 0 to 10, not " + Quote(value, kQuotedChars));
                continue;
            }
            (name == "music" ? settings.musicVolume : settings.effectsVolume) = volume;
        } else if (name == "fullscreen") {
            if (value == "ask")
                settings.fullscreen = FullscreenSetting::Ask;
            else if (value == "yes")
                settings.fullscreen = FullscreenSetting::Yes;
            else if (value == "no")
                settings.fullscreen = FullscreenSetting::No;
            else
                bad("'fullscreen' needs ask, yes or no, not " + Quote(value, kQuotedChars));
        } else if (name.starts_with("key.") || name.starts_with("button.")) {
            const bool button = name[0] == 'b';
            const std::optional<Action> action = ActionNamed(name.substr(button ? 7 : 4));
            if (!action) {
                bad("unknown action " + Quote(name, kQuotedChars));
            } else if (!value.empty() && !(button ? platform::IsButtonName(value) : platform::IsKeyName(value))) {
                bad(Quote(value, kQuotedChars) + " is no " + (button ? "controller button" : "key") + " name");
            } else if (!value.empty() && (button ? IsReservedButton(value) : IsReservedKey(value))) {
                bad(Quote(value, kQuotedChars) + " keeps its own meaning and cannot be bound");
            } else {
                bindings.push_back({number, button, *action, value});
            }
        } else {
            bad("unknown setting " + Quote(name, kQuotedChars));
        }
    }

    // The first line of an action replaces its defaults and further lines add to it, so the
    // bindings the file names start empty; a name can then stand for one action only.
    Bindings result = settings.bindings;
    for (const BindingLine& b : bindings) (b.button ? result.Buttons(b.action) : result.Keys(b.action)).clear();
    for (const BindingLine& b : bindings) {
        number = b.number;
        if (b.name.empty()) continue;
        auto& names = b.button ? result.Buttons(b.action) : result.Keys(b.action);
        const std::optional<Action> user =
            b.button ? ActionUsingButton(result, b.name) : ActionUsingKey(result, b.name);
        if (user && *user == b.action) continue; // named twice for the same action
        if (user) {
            bad(Quote(b.name, kQuotedChars) + " is already used for " + InfoOf(*user).id);
        } else if (names.size() >= kMaxNamesPerAction) {
            bad(std::string("more than ") + std::to_string(kMaxNamesPerAction) + " for " + InfoOf(b.action).id);
        } else {
            names.push_back(b.name);
        }
    }
    settings.bindings = std::move(result);
    std::stable_sort(problems.begin(), problems.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a.substr(5)) < std::stoi(b.substr(5));
    });
}

std::string FormatSettings(const Settings& settings)
{
    std::ostringstream out;
    out << "# ZEM settings, written by the game when they change in its options.\n"
           "# Lines are \"name = value\"; a line starting with '#' is a comment.\n"
           "#   music, effects: volume from 0 (silent) to 10 (full)\n"
           "#   fullscreen: ask (the question at start), yes or no\n"
           "#   key.ACTION: a key by its name (Left, Space, W, Return, Keypad Enter, F5, Left Shift, ...)\n"
           "#   button.ACTION: a controller button (a b x y start guide leftshoulder rightshoulder\n"
           "#     leftstick rightstick dpup dpdown dpleft dpright misc1 paddle1-4 touchpad)\n"
           "# An action's first line replaces its default keys or buttons, more lines add to them, an\n"
           "# empty value leaves it without. Escape, F11 and the controller's Back keep their meaning.\n"
           "# Actions: left right jump form bubble start pause title again next ghost options\n\n";
    out << "music = " << settings.musicVolume << "\n";
    out << "effects = " << settings.effectsVolume << "\n";
    out << "fullscreen = " << FullscreenWord(settings.fullscreen) << "\n\n";
    for (int a = 0; a < kActionCount; ++a) {
        const auto action = static_cast<Action>(a);
        const auto& keys = settings.bindings.Keys(action);
        if (keys.empty()) out << "key." << InfoOf(action).id << " =\n";
        for (const std::string& key : keys) out << "key." << InfoOf(action).id << " = " << key << "\n";
    }
    out << "\n";
    for (int a = 0; a < kActionCount; ++a) {
        const auto action = static_cast<Action>(a);
        const auto& buttons = settings.bindings.Buttons(action);
        if (buttons.empty()) out << "button." << InfoOf(action).id << " =\n";
        for (const std::string& button : buttons) out << "button." << InfoOf(action).id << " = " << button << "\n";
    }
    return out.str();
}

void CSettingsFile::Load(Settings& settings) const
{
    std::error_code ec;
    if (!std::filesystem::exists(mPath, ec)) return;
    std::string problem;
    if (!platform::IsRegularFile(mPath.string(), problem)) {
        std::fprintf(stderr, "zem: %s: %s; playing with the default settings\n", QuotePath(mPath).c_str(),
                     problem.c_str());
        return;
    }
    std::string text;
    if (!platform::ReadAtMost(mPath, kMaxBytes + 1, text)) {
        std::fprintf(stderr, "zem: %s: cannot read the settings; playing with the default settings\n",
                     QuotePath(mPath).c_str());
        return;
    }
    if (text.size() > kMaxBytes) {
        // The lines that fit are kept; the cut one and the rest are not read.
        text.resize(text.rfind('\n', kMaxBytes) == std::string::npos ? 0 : text.rfind('\n', kMaxBytes));
        std::fprintf(stderr, "zem: %s: longer than %zu bytes, so damaged; only the lines before are read\n",
                     QuotePath(mPath).c_str(), kMaxBytes);
    }
    std::vector<std::string> problems;
    ParseSettings(text, settings, problems);
    for (size_t i = 0; i < problems.size() && i < kProblemsNamed; ++i) {
        std::fprintf(stderr, "zem: %s: %s; skipped\n", QuotePath(mPath).c_str(), problems[i].c_str());
    }
    if (problems.size() > kProblemsNamed) {
        std::fprintf(stderr, "zem: %s: %zu more bad lines skipped\n", QuotePath(mPath).c_str(),
                     problems.size() - kProblemsNamed);
    }
}

bool CSettingsFile::Save(const Settings& settings) const
{
    std::string error;
    if (!platform::WriteFileAtomically(mPath, FormatSettings(settings), error)) {
        std::fprintf(stderr, "zem: %s: %s; the settings are not kept\n", QuotePath(mPath).c_str(), error.c_str());
        return false;
    }
    return true;
}
