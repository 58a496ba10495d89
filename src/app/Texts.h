#pragma once
#include <array>
#include <string>

// Every word the game shows or asks that is not part of a picture, by name. The game's own
// English is built in; a translation is a file "Resource/Text/LANGUAGE.txt" of lines
// "name = text" ('#' starts a comment line, "\n" is a line break), and whatever it leaves out
// stays English. The in-game lettering has the printable ASCII characters only (lower case is
// shown as upper case), so only the start-up question can be in another script. The error boxes
// of a failed start keep the system's own words in every language.
enum class TextId : int {
    QuestionCaption,
    QuestionText,
    QuestionYes,
    QuestionNo,
    QuestionYesAlways,
    QuestionNoAlways,
    OptionsTitle,
    OptionsMusic,
    OptionsEffects,
    OptionsFullscreen,
    OptionsOn,
    OptionsOff,
    OptionsKeyColumn,
    OptionsButtonColumn,
    OptionsReset,
    OptionsBack,
    OptionsChoose,
    OptionsChange,
    OptionsSelect,
    OptionsPress,
    OptionsUsed,
    OptionsQuits,
    OptionsSwitchesFullscreen,
    OptionsNothingChanged,
    OptionsBound,
    OptionsResetDone,
    OptionsCannotBind,
    ActionWalkLeft,
    ActionWalkRight,
    ActionJump,
    ActionForm,
    ActionBubble,
    ActionStart,
    ActionPause,
    ActionTitle,
    ActionAgain,
    ActionNext,
    ActionGhost,
    ActionOptions,
    PlatePress,
    PlateWalk,
    PlateJump,
    PlateBubble,
    PlateForm,
    PlateOptions,
    PlateResume,
    PlateQuit,
    PlatePlayAgain,
    PlateTitle,
    PlateContinue,
    PlateNewGame,
    NextStage,
    CampaignComplete,
    CampaignKey,
    CampaignStage,
    CampaignTime,
    CampaignScore,
    CampaignTotal,
    GhostOn,
    GhostOff,
    Count,
};
inline constexpr int kTextCount = static_cast<int>(TextId::Count);

class CTexts {
public:
    // The built-in English.
    CTexts();

    const std::string& Get(TextId id) const { return mTexts[static_cast<size_t>(id)]; }
    // Reads a translation over the English; a missing file changes nothing, a bad line is named
    // in one line on standard error and the rest is kept. False when the file cannot be used.
    bool Load(const std::string& path);
    // Applies a translation's text; false (nothing changed) with a reason for a bad one.
    bool Parse(const std::string& text, std::string& problems);

    // The name a text has in translation files.
    static const char* NameOf(TextId id);

private:
    std::array<std::string, kTextCount> mTexts;
};

// `pattern` with each "{}" replaced by the next of `values`.
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);

// The language of the player's locale from LC_ALL, LC_MESSAGES and LANG (the first one set):
// "ja" for "ja_JP.UTF-8"; "en" for "C", "POSIX", nothing or anything unreadable.
std::string LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);
// The language of this process's environment.
std::string PlayerLanguage();
// Where a language's translation lies under the data directory.
std::string TextFileOf(const std::string& language);
