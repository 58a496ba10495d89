#include <cstdio>
#include <string>

#include "Generators.h"
#include "app/AssetFiles.h"
#include "sounds/Effects.h"
#include "sounds/Signal.h"
#include "sounds/Tunes.h"
#include "sounds/WavFile.h"

namespace {

// Effects peak at −3 dBFS and sound at −11 to −18 dBFS RMS while they play (−14.5 on
// average); the tunes are set by loudness about 6 dB under that, so the effects stay on top
// of the music. The tunes share the mixer's rate so their loops wrap without a resampled seam.
constexpr int kEffectRate = 44100;
constexpr double kEffectPeakDb = -3.0;
constexpr int kMusicRate = 44100;
constexpr double kMusicRmsDb = -21.0;
constexpr double kMusicPeakLimitDb = -6.0;

struct EffectFile {
    const char* name; // path under the run directory
    sfx::Signal (*make)(int rate);
};

constexpr EffectFile kEffects[] = {
    {files::kSndShot, sfx::ShotBloop},
    {files::kSndJump, sfx::JumpBlip},
    {files::kSndPop06, sfx::SpareBlip},
    {files::kSndDamage, sfx::DamageBuzz},
    {files::kSndFall, sfx::FallWarble},
    {files::kSndMona, sfx::MonaBubbles},
    {files::kSndGrow, sfx::GrowSweep},
    {files::kSndShrink, sfx::ShrinkSweep},
    {files::kSndCapture, sfx::CapturePop},
    {files::kSndScore, sfx::StarTwinkle},
    {files::kSndHeal, sfx::HealArpeggio},
    {files::kSndPop, sfx::EnemyPop},
    {files::kSndClick, sfx::ClickTick},
    {files::kSndGoal, sfx::GoalJingle},
};

struct TuneFile {
    const char* name; // path under the run directory
    sfx::Tune (*make)();
};

constexpr TuneFile kTunes[] = {
    {files::kTitleMusic, sfx::TitleTune},
    {files::kStageMusic, sfx::StageTune},
    {files::kStageTunes[1], sfx::DuskStageTune},
    {files::kStageTunes[2], sfx::NightStageTune},
    {files::kClearMusic, sfx::ClearTune},
    {files::kGameOverMusic, sfx::GameOverTune},
};

} // namespace

bool GenerateSounds(const std::filesystem::path& runDir)
{
    bool ok = true;
    for (const EffectFile& effect : kEffects) {
        sfx::Signal samples = effect.make(kEffectRate);
        sfx::FadeEdges(samples, kEffectRate, 0.001, 0.008);
        sfx::ScaleToPeak(samples, kEffectPeakDb);
        ok = sfx::WriteWav(runDir / effect.name, samples, kEffectRate) && ok;
    }
    for (const TuneFile& tune : kTunes) {
        const std::filesystem::path path = runDir / tune.name;
        std::string error;
        sfx::Signal samples = sfx::RenderTune(tune.make(), kMusicRate, error);
        if (!error.empty()) {
            std::fprintf(stderr, "zem-assetgen: %s: %s\n", path.c_str(), error.c_str());
            ok = false;
            continue;
        }
        // One gain for the whole loop keeps its seam intact.
        sfx::ScaleToRms(samples, kMusicRmsDb, kMusicPeakLimitDb);
        ok = sfx::WriteWav(path, samples, kMusicRate) && ok;
    }
    return ok;
}
