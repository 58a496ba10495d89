#include "app/GameFrame.h"

#include <cstdio>

#include "app/PictureDensity.h"
#include "app/Quote.h"

CGameFrameConstruct::CGameFrameConstruct(const platform::Platform& platform) : mPlatform(platform) {}

CGameFrameConstruct::~CGameFrameConstruct()
{
    mSceneManager.Release();
    mFinishingSounds.clear();
}

void CGameFrameConstruct::Init()
{
    mFrameTimer.SetClock(mPlatform.clock);
}

void CGameFrameConstruct::Start(SceneFactory factory)
{
    mInput = FrameInput::Read(mPlatform.keyboard); // what the first scene finds held as it starts
    mSceneManager.SetFactory(std::move(factory));
    mSceneManager.Start(this);
}

void CGameFrameConstruct::SetStages(std::vector<StageDescription> stages)
{
    if (stages.empty()) stages.push_back(FirstStage());
    mStages = std::move(stages);
    ChooseStage(0);
}

void CGameFrameConstruct::ChooseStage(int index)
{
    if (index < 0 || index >= static_cast<int>(mStages.size())) return;
    mStageIndex = index;
    mStage = mStages[static_cast<size_t>(index)];
}

// Full screen is not applied here: at start the command line may have chosen otherwise for this
// run, and the options switch it themselves.
void CGameFrameConstruct::SetSettings(const Settings& settings)
{
    if (!(settings == mSettings)) {
        mSettingsChanged = mSettingsUnsaved = true;
        ++mSettingsRevision;
    }
    mSettings = settings;
    if (mPlatform.audio != nullptr) {
        mPlatform.audio->SetVolumes(VolumeGain(settings.musicVolume), VolumeGain(settings.effectsVolume));
    }
    if (mPlatform.controls != nullptr) mPlatform.controls->SetInputMap(ToInputMap(settings.bindings));
}

void CGameFrameConstruct::StartSettings(const Settings& settings, const CSettingsFile* file, bool kept)
{
    SetSettings(settings);
    mpSettingsFile = file;
    mSettingsChanged = false;
    mSettingsUnsaved = !kept;
}

bool CGameFrameConstruct::SaveSettings()
{
    if (mpSettingsFile == nullptr || !mSettingsUnsaved) return true;
    if (!mSettingsChanged) return false; // the failed write was said; nothing new to try
    mSettingsChanged = false;
    if (!mpSettingsFile->Save(mSettings)) return false;
    mSettingsUnsaved = false;
    return true;
}

uint32_t CGameFrameConstruct::Now()
{
    const uint32_t now = mPlatform.clock->Now();
    return mpSeedClockHook != nullptr ? mpSeedClockHook->Read(mFrameNumber, now) : now;
}

void CGameFrameConstruct::RunFrame()
{
    RunFrame(FrameInput::Read(mPlatform.keyboard));
}

void CGameFrameConstruct::RunFrame(const FrameInput& input)
{
    mFrameTimer.BeginFrame();
    mPlatform.device->Clear(kClearColor);
    Step(input);
    mPlatform.device->BeginScene();
    mPlatform.sprite->Begin();
    mSceneManager.Draw(mPlatform.sprite, mPlatform.device);
    mPlatform.sprite->End();
    mPlatform.device->EndScene();
    mPlatform.device->Present();
    mFrameTimer.EndFrame();
}

void CGameFrameConstruct::SaveRun(RunState& state) const
{
    state.frameNumber = mFrameNumber;
    state.latch = mTapLatch;
    state.random = mRandom;
    state.score = mScore;
    state.scoreTotal = mScoreTotal;
    state.respawnPos = mRespawnPos;
    state.retry = mRetry;
    state.progress = mRun;
    state.path = mGhostRace.Run(); // copied into the storage it already has
    state.ghostShown = mGhostRace.Shown();
}

void CGameFrameConstruct::RestoreRun(const RunState& state)
{
    mFrameNumber = state.frameNumber;
    mTapLatch = state.latch;
    mRandom = state.random;
    mScore = state.score;
    mScoreTotal = state.scoreTotal;
    mRespawnPos = state.respawnPos;
    mRetry = state.retry;
    mRun = state.progress;
    mGhostRace.RestoreRunPath(state.path);
    if (mGhostRace.Shown() != state.ghostShown) mGhostRace.Toggle();
}

void CGameFrameConstruct::Step(const FrameInput& input)
{
    ++mFrameNumber;
    mInput = input;
    mSceneManager.Update();
    std::erase_if(mFinishingSounds, [](const auto& sound) { return !sound->IsPlaying(); });
}

void CGameFrameConstruct::LetSoundFinish(std::unique_ptr<platform::SoundBuffer> sound)
{
    if (sound && sound->IsPlaying()) mFinishingSounds.push_back(std::move(sound));
}

int CGameFrameConstruct::LoadTexture(std::unique_ptr<platform::Texture>& out, const std::string& path, unsigned,
                                     unsigned, uint32_t)
{
    std::string error;
    out = mPlatform.device->LoadTexture(path, error);
    if (!out) {
        std::fprintf(stderr, "zem: %s: cannot load image: %s\n", QuotePath(path).c_str(), error.c_str());
        return -1;
    }
    // Loaded from a damaged file: what was wrong with it.
    if (!error.empty()) std::fprintf(stderr, "zem: %s: %s\n", QuotePath(path).c_str(), error.c_str());
    out->SetDensity(PictureDensity(path, out->Width(), out->Height()));
    return 0;
}
