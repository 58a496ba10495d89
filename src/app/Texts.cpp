#include "app/Texts.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <utility>

#include "app/Quote.h"
#include "app/Trim.h"
#include "platform/RegularFile.h"

namespace {

struct Entry {
    const char* name;
    const char* english;
};

// In the order of TextId.
constexpr std::array<Entry, kTextCount> kEnglish = {{
    // The question keeps the game's own Japanese words, with the English under them.
    {"question.caption", "確認"},
    {"question.text", "フルスクリーンにしますか？\nPlay in full screen?"},
    {"question.yes", "Yes"},
    {"question.no", "No"},
    {"question.yes_always", "Yes, don't ask again"},
    {"question.no_always", "No, don't ask again"},
    {"options.title", "OPTIONS"},
    {"options.music", "MUSIC"},
    {"options.effects", "EFFECTS"},
    {"options.fullscreen", "FULL SCREEN"},
    {"options.on", "ON"},
    {"options.off", "OFF"},
    {"options.key_column", "KEY"},
    {"options.button_column", "BUTTON"},
    {"options.reset", "RESET KEYS AND BUTTONS"},
    {"options.back", "BACK"},
    {"options.choose", "CHOOSE"},
    {"options.change", "CHANGE"},
    {"options.select", "SELECT"},
    {"options.press", "PRESS A KEY OR BUTTON FOR {}"},
    {"options.used", "{} IS ALREADY USED FOR {}"},
    {"options.quits", "{} QUITS THE GAME"},
    {"options.switches_fullscreen", "{} SWITCHES FULL SCREEN"},
    {"options.nothing_changed", "NOTHING CHANGED"},
    {"options.bound", "{}: {}"},
    {"options.reset_done", "KEYS AND BUTTONS ARE AS AT FIRST"},
    {"options.cannot_bind", "KEYS ARE NOT CHANGED IN A RECORDED OR REPLAYED RUN"},
    {"action.left", "WALK LEFT"},
    {"action.right", "WALK RIGHT"},
    {"action.jump", "JUMP"},
    {"action.form", "CHANGE FORM"},
    {"action.bubble", "BUBBLE"},
    {"action.start", "START / OK"},
    {"action.pause", "PAUSE"},
    {"action.title", "TITLE"},
    {"action.again", "PLAY AGAIN"},
    {"action.next", "NEXT STAGE"},
    {"action.ghost", "GHOST"},
    {"action.options", "OPTIONS"},
    {"plate.press", "PRESS"},
    {"plate.walk", "WALK"},
    {"plate.jump", "JUMP"},
    {"plate.bubble", "BUBBLE"},
    {"plate.form", "CHANGE FORM"},
    {"plate.options", "OPTIONS"},
    {"plate.resume", "RESUME"},
    {"plate.quit", "QUIT"},
    {"plate.play_again", "PLAY AGAIN"},
    {"plate.title", "TITLE"},
    {"plate.continue", "CONTINUE"},
    {"plate.new_game", "NEW GAME"},
    {"result.next_stage", "{}: NEXT STAGE"},
    {"result.campaign_complete", "CAMPAIGN COMPLETE!"},
    {"result.campaign_key", "{}: THE WHOLE CAMPAIGN"},
    {"campaign.stage", "STAGE"},
    {"campaign.time", "TIME"},
    {"campaign.score", "SCORE"},
    {"campaign.total", "TOTAL"},
    {"pause.ghost_on", "{}: GHOST ON"},
    {"pause.ghost_off", "{}: GHOST OFF"},
}};

// A translation is a page of short lines.
constexpr size_t kMaxFileBytes = 64u << 10;
constexpr size_t kMaxTextBytes = 400;
constexpr int kProblemsNamed = 5;

// "\n" stands for a line break, "\\" for a backslash.
std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool HasControlCharacters(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n') return true;
    }
    return false;
}

} // namespace

CTexts::CTexts()
{
    for (size_t i = 0; i < mTexts.size(); ++i) mTexts[i] = kEnglish[i].english;
}

const char* CTexts::NameOf(TextId id)
{
    return kEnglish[static_cast<size_t>(id)].name;
}

bool CTexts::Parse(const std::string& text, std::string& problems)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    int bad = 0;
    auto complain = [&](const std::string& problem) {
        if (++bad <= kProblemsNamed)
            problems += (problems.empty() ? "" : "; ") + ("line " + std::to_string(number) + ": " + problem);
    };
    while (std::getline(in, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        std::string name, written;
        if (!SplitNameValue(trimmed, name, written)) {
            complain("not \"name = text\"");
            continue;
        }
        const std::string value = Unescape(written);
        size_t index = mTexts.size();
        for (size_t i = 0; i < kEnglish.size(); ++i) {
            if (name == kEnglish[i].name) index = i;
        }
        if (index == mTexts.size()) {
            complain("unknown text " + Quote(name, 40));
        } else if (value.empty()) {
            complain("'" + name + "' needs a text on its line");
        } else if (value.size() > kMaxTextBytes) {
            complain("'" + name + "' needs a text of at most " + std::to_string(kMaxTextBytes) + " bytes, not " +
                     std::to_string(value.size()));
        } else if (HasControlCharacters(value)) {
            complain("'" + name + "' has a control character in its text (a line break is written \\n)");
        } else {
            mTexts[index] = value;
        }
    }
    if (bad > kProblemsNamed) problems += "; " + std::to_string(bad - kProblemsNamed) + " more bad lines";
    return bad == 0;
}

bool CTexts::Load(const std::string& path)
{
    std::string problem;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true; // no translation: English
    if (!platform::IsRegularFile(path, problem)) {
        std::fprintf(stderr, "zem: %s: %s; the texts stay English\n", QuotePath(path).c_str(), problem.c_str());
        return false;
    }
    std::string text;
    platform::ReadAtMost(path, kMaxFileBytes + 1, text); // unreadable: nothing read, and English stays
    if (text.size() > kMaxFileBytes) {
        std::fprintf(stderr, "zem: %s: longer than %zu bytes; the texts stay English\n", QuotePath(path).c_str(),
                     kMaxFileBytes);
        return false;
    }
    std::string problems;
    if (!Parse(text, problems)) {
        std::fprintf(stderr, "zem: %s: %s; those texts stay English\n", QuotePath(path).c_str(), problems.c_str());
    }
    return true;
}

std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values)
{
    std::string out;
    auto next = values.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "{}") == 0 && next != values.end()) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang)
{
    const char* locale = nullptr;
    for (const char* candidate : {lcAll, lcMessages, lang}) {
        if (candidate != nullptr && candidate[0] != '\0') {
            locale = candidate;
            break;
        }
    }
    if (locale == nullptr) return "en";
    std::string language;
    for (const char* c = locale; *c != '\0' && *c != '_' && *c != '.' && *c != '@' && *c != '-'; ++c) {
        if (!std::isalpha(static_cast<unsigned char>(*c)) || language.size() >= 3) return "en";
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    }
    if (language.size() < 2) return "en"; // "C" and the like
    return language;
}

std::string PlayerLanguage()
{
    return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string TextFileOf(const std::string& language)
{
    return "Resource/Text/" + language + ".txt";
}
