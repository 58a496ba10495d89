#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/BestResults.h"
#include "app/CampaignLog.h"
#include "app/FrameInput.h"
#include "app/FrameTimer.h"
#include "app/GhostRace.h"
#include "app/Random.h"
#include "app/RunProgress.h"
#include "app/SceneManager.h"
#include "app/SeedClockHook.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "app/StageDescription.h"
#include "app/TapLatch.h"
#include "app/Texts.h"
#include "platform/Platform.h"

// What the run holds that a stage frame reads or writes, as a stage snapshot keeps it: the
// frame number (which the clock readings are tied to), the press flags, the random sequence,
// the values handed between scenes, the run's progress and its path for the ghost race.
struct RunState {
    long frameNumber = 0;
    TapLatch latch;
    RandomSequence random;
    int32_t score = 0;
    int32_t scoreTotal = 0;
    platform::Vec2 respawnPos;
    bool retry = false;
    RunProgress progress;
    GhostPath path;
    bool ghostShown = true;
};

// The application frame: runs frames, offers the loading services every scene uses and
// carries the four values that outlive a scene.
class CGameFrameConstruct {
public:
    // The score, the stage's score total and the last safe position, written by the stage
    // every frame; the continue flag, set by the game-over screen.
    int32_t mScore = 0;
    int32_t mScoreTotal = 0;
    platform::Vec2 mRespawnPos;
    bool mRetry = false;
    // The game's own addition: the run in progress, for the best results, and the stage played.
    RunProgress mRun;
    StageDescription mStage = FirstStage();

    static constexpr int kClientWidth = 1280;
    static constexpr int kClientHeight = 720;
    static constexpr platform::Color kClearColor = 0xFF0000FF; // opaque blue

    explicit CGameFrameConstruct(const platform::Platform& platform);
    ~CGameFrameConstruct();
    CGameFrameConstruct(const CGameFrameConstruct&) = delete;
    CGameFrameConstruct& operator=(const CGameFrameConstruct&) = delete;

    // Wires the platform's clock into the frame's pacing.
    void Init();
    // Starts the scene manager with the title scene, its scenes made by `factory`.
    void Start(SceneFactory factory);
    // One frame: pace, clear, update (and switch) with `input` as what the player does in it,
    // draw, present, pace. Without an input, the platform's keyboard is read.
    void RunFrame(const FrameInput& input);
    void RunFrame();
    // The rules of one frame alone: no pacing, clearing or drawing (the solver plays thousands of
    // frames a second this way; nothing a scene draws changes what it does in a stage).
    void Step(const FrameInput& input);

    // What the player does in the frame running, and the rules' press test of one of its keys.
    const FrameInput& Input() const { return mInput; }
    // Hands over the input of the frame about to run: RunFrame does, and so does whoever runs a
    // scene's update without the frame (tests).
    void SetInput(const FrameInput& input) { mInput = input; }
    bool Pressed(int virtualKey) { return mTapLatch.Test(mInput, virtualKey); }
    // The run's press flags and random sequence, as a stage snapshot saves and restores them.
    TapLatch& Latch() { return mTapLatch; }
    RandomSequence& Random() { return mRandom; }
    void SaveRun(RunState& state) const;
    void RestoreRun(const RunState& state);

    // Loads an image at its own size (0, 0 and no colour key are all the game passes).
    // On failure `out` is null and one line on standard error names the file; returns 0 on success.
    int LoadTexture(std::unique_ptr<platform::Texture>& out, const std::string& path, unsigned width = 0,
                    unsigned height = 0, uint32_t colorKey = 0);
    // Loads a WAV file into a sound buffer; on failure `out` is null and one line on
    // standard error says which file and what is wrong.
    void LoadSound(std::unique_ptr<platform::SoundBuffer>& out, const std::string& path);

    // Keeps a sound that a leaving scene has just started until it has played out, so the
    // scene's release does not silence it; a sound that is not playing is freed at once.
    void LetSoundFinish(std::unique_ptr<platform::SoundBuffer> sound);
    size_t FinishingSounds() const { return mFinishingSounds.size(); }

    // The clock reading the game seeds its random generator from (a recorded run keeps it,
    // a replay hands back the recorded one).
    uint32_t Now();
    // The best results shown and kept; none (a headless run without a file) shows nothing.
    void SetBestResults(CBestResultsFile* bests) { mpBests = bests; }
    CBestResultsFile* BestResults() const { return mpBests; }
    void SetSeedClockHook(SeedClockHook* hook) { mpSeedClockHook = hook; }
    // The frame running: 0 before the first RunFrame, then 1, 2, ...
    long FrameNumber() const { return mFrameNumber; }

    // The stages to choose from (the game's own, then the player's); without a list, the first
    // stage alone. Choosing one makes it the stage the game scene plays.
    void SetStages(std::vector<StageDescription> stages);
    const std::vector<StageDescription>& Stages() const { return mStages; }
    void ChooseStage(int index);
    int StageIndex() const { return mStageIndex; }
    // The game's own stages up to this index are open whatever the results say (a stage named
    // on the command line, or a replay of a run that had them open); -1: none but the first.
    void OpenStagesUpTo(int index) { mStagesOpenUpTo = index; }
    int StagesOpenUpTo() const { return mStagesOpenUpTo; }
    // The game never starts a stage past its limits (map/StageLimits.h); only the benchmarks turn
    // the check off, to measure the crowds it refuses.
    void SetStageLimitsChecked(bool checked) { mStageLimitsChecked = checked; }
    bool StageLimitsChecked() const { return mStageLimitsChecked; }

    // The player's settings. The options screen changes them through SetSettings, which applies
    // them at once (volumes to the sound, bindings and full screen to the controls); they are
    // written to the file, when there is one, by SaveSettings.
    const Settings& PlayerSettings() const { return mSettings; }
    // Counts the changes of the settings, for whoever keeps something made from them.
    long SettingsRevision() const { return mSettingsRevision; }
    void SetSettings(const Settings& settings);
    // The settings the run starts with and where they are kept (none: nowhere), applied as
    // unchanged; `kept` false when they differ from the file because writing them already
    // failed (and was said).
    void StartSettings(const Settings& settings, const CSettingsFile* file, bool kept = true);
    // Writes the settings if what the player changed is not in the file yet; false when it is
    // not, now or from an earlier write that failed. A failed write is said once (by the file)
    // and tried again only when the settings change again.
    bool SaveSettings();
    // The game's words in the player's language (English without a translation).
    const CTexts& Texts() const { return mpTexts != nullptr ? *mpTexts : mEnglish; }
    void SetTexts(const CTexts* texts) { mpTexts = texts; }

    // The race against the best run of the stage being played.
    CGhostRace& GhostRace() { return mGhostRace; }
    // The stages cleared since the title, for the campaign's end.
    CCampaignLog& Campaign() { return mCampaign; }

    CSceneManager& SceneManager() { return mSceneManager; }
    const platform::Platform& Platform() const { return mPlatform; }

private:
    platform::Platform mPlatform;
    CFrameTimer mFrameTimer;
    CSceneManager mSceneManager;
    std::vector<std::unique_ptr<platform::SoundBuffer>> mFinishingSounds;
    SeedClockHook* mpSeedClockHook = nullptr;
    CBestResultsFile* mpBests = nullptr;
    long mFrameNumber = 0;
    FrameInput mInput;
    TapLatch mTapLatch;
    RandomSequence mRandom;
    std::vector<StageDescription> mStages{FirstStage()};
    int mStageIndex = 0;
    int mStagesOpenUpTo = -1;
    bool mStageLimitsChecked = true;
    CGhostRace mGhostRace;
    CCampaignLog mCampaign;
    Settings mSettings;
    const CSettingsFile* mpSettingsFile = nullptr;
    bool mSettingsChanged = false; // since the last write was tried
    long mSettingsRevision = 0;
    bool mSettingsUnsaved = false; // what the player changed is not in the file
    CTexts mEnglish;
    const CTexts* mpTexts = nullptr;
};
