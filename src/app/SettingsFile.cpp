#include "app/SettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "app/PlayerFile.h"
#include "app/Quote.h"
#include "app/Trim.h"
#include "platform/UserFiles.h"

float VolumeGain(int step)
{
    const float share = static_cast<float>(std::clamp(step, 0, Settings::kVolumeSteps)) / Settings::kVolumeSteps;
    return share * share;
}

FullscreenSetting FullscreenAtStart(std::optional<bool> commandLine, const char* environment, FullscreenSetting kept)
{
    if (commandLine) return *commandLine ? FullscreenSetting::Yes : FullscreenSetting::No;
    if (environment != nullptr)
        return std::string(environment) == "yes" ? FullscreenSetting::Yes : FullscreenSetting::No;
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

// One kind of name (keys or buttons) of one action.
struct BindingSlot {
    bool button = false;
    Action action = Action::WalkLeft;
    bool operator<(const BindingSlot& o) const { return std::tie(button, action) < std::tie(o.button, o.action); }
};

std::vector<std::string>& NamesOf(Bindings& bindings, BindingSlot slot)
{
    return slot.button ? bindings.Buttons(slot.action) : bindings.Keys(slot.action);
}

// The bindings the file's lines give over `before`. The first line of an action replaces its
// names and further lines add to it, so the names of the actions the lines name start empty
// and two actions can swap keys; a name can then stand for one action only. A line naming a
// name another action holds is refused (said in `refused`, by line number), and an action whose
// every line is refused keeps what it had: its lines are then set aside and the rest applied
// again, which may refuse a line that took one of its names (that action then keeps its own).
Bindings ApplyBindingLines(const Bindings& before, const std::vector<BindingLine>& lines,
                           std::map<int, std::string>& refused)
{
    std::set<BindingSlot> keepsItsOwn;
    for (;;) {
        Bindings result = before;
        std::map<int, std::string> refusedNow;
        std::set<BindingSlot> named;
        std::set<BindingSlot> given;
        for (const BindingLine& b : lines) {
            const BindingSlot slot{b.button, b.action};
            if (!keepsItsOwn.contains(slot) && named.insert(slot).second) NamesOf(result, slot).clear();
        }
        for (const BindingLine& b : lines) {
            const BindingSlot slot{b.button, b.action};
            if (keepsItsOwn.contains(slot)) continue;
            if (b.name.empty()) { // no name at all, as the line says
                given.insert(slot);
                continue;
            }
            auto& names = NamesOf(result, slot);
            const std::optional<Action> user =
                b.button ? ActionUsingButton(result, b.name) : ActionUsingKey(result, b.name);
            if (user && *user == b.action) continue; // named twice for the same action
            if (user) {
                refusedNow[b.number] = Quote(b.name, kQuotedChars) + " is already used for " + InfoOf(*user).id;
            } else if (names.size() >= kMaxNamesPerAction) {
                refusedNow[b.number] =
                    std::string("more than ") + std::to_string(kMaxNamesPerAction) + " for " + InfoOf(b.action).id;
            } else {
                names.push_back(b.name);
                given.insert(slot);
            }
        }
        bool again = false;
        for (const BindingSlot& slot : named) {
            if (given.contains(slot)) continue;
            keepsItsOwn.insert(slot);
            again = true;
        }
        for (const BindingLine& b : lines) {
            if (keepsItsOwn.contains({b.button, b.action}) && refusedNow.contains(b.number)) {
                refused[b.number] = refusedNow[b.number]; // said as first refused
            }
        }
        if (again) continue;
        for (auto& [at, problem] : refusedNow) refused.try_emplace(at, problem);
        return result;
    }
}

} // namespace

void ParseSettings(const std::string& text, Settings& settings, std::vector<std::string>& problems)
{
    // A byte-order mark, which some editors put at the start of a UTF-8 file, is no part of the first line.
    std::istringstream in(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text);
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

    std::map<int, std::string> refused;
    settings.bindings = ApplyBindingLines(settings.bindings, bindings, refused);
    for (const auto& [at, problem] : refused) problems.push_back("line " + std::to_string(at) + ": " + problem);
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
    const PlayerFileText read = ReadPlayerFile(mPath, kMaxBytes);
    switch (read.state) {
    case PlayerFileText::State::Missing: return;
    case PlayerFileText::State::Unread:
        std::fprintf(stderr, "zem: %s: %s; playing with the default settings\n", QuotePath(mPath).c_str(),
                     read.problem.c_str());
        return;
    case PlayerFileText::State::Cut:
        // The lines that fit are kept; the cut one and the rest are not read.
        std::fprintf(stderr, "zem: %s: %s, so damaged; only the lines before are read\n", QuotePath(mPath).c_str(),
                     read.problem.c_str());
        break;
    case PlayerFileText::State::Whole: break;
    }
    std::vector<std::string> problems;
    ParseSettings(read.text, settings, problems);
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
    // What the game did not read whole is moved aside, not written over.
    const char* notKept = "the settings are not kept";
    if (!SetAsideUnlessWhole(mPath, ReadPlayerFile(mPath, kMaxBytes), notKept)) return false;
    std::string error;
    if (!platform::WriteFileAtomically(mPath, FormatSettings(settings), error)) {
        std::fprintf(stderr, "zem: %s: %s; %s\n", QuotePath(mPath).c_str(), error.c_str(), notKept);
        return false;
    }
    return true;
}
