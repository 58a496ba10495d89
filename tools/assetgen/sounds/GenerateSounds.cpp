#include <cstdio>
#include <string>

#include "Generators.h"
#include "sounds/Effects.h"
#include "sounds/Signal.h"
#include "sounds/Tunes.h"
#include "sounds/WavFile.h"

namespace {

// Effects peak at −3 dBFS and sound at about −11 dBFS RMS while they play; the tunes are
// set by loudness about 6 dB under that, so the effects stay on top of the music. The tunes
// share the mixer's rate so their loops wrap without a resampled seam.
constexpr int kEffectRate = 44100;
constexpr double kEffectPeakDb = -3.0;
constexpr int kMusicRate = 44100;
constexpr double kMusicRmsDb = -18.0;
constexpr double kMusicPeakLimitDb = -6.0;

struct EffectFile {
    const char* name;
    sfx::Signal (*make)(int rate);
};

constexpr EffectFile kEffects[] = {
    {"泡06・高音・単音.wav", sfx::ShotBloop},
    {"Motion-Pop07-2.wav", sfx::JumpBlip},
    {"Motion-Pop06-2.wav", sfx::SpareBlip},
    {"damage6.wav", sfx::DamageBuzz},
    {"動き10（ぺろろろ・下がり）.wav", sfx::FallWarble},
    {"泡05.wav", sfx::MonaBubbles},
    {"ChangeBig.wav", sfx::GrowSweep},
    {"ChangeMini.wav", sfx::ShrinkSweep},
    {"消失・ぱちんっ.wav", sfx::CapturePop},
    {"星・キラーン07.wav", sfx::StarTwinkle},
    {"回復音.wav", sfx::HealArpeggio},
    {"消失・ぱちんっ(低音).wav", sfx::EnemyPop},
    {"タイトルクリック.wav", sfx::ClickTick},
};

struct TuneFile {
    const char* name;
    sfx::Tune (*make)();
};

constexpr TuneFile kTunes[] = {
    {"タイトル.wav", sfx::TitleTune},
    {"rensaku_10_morivalte.wav", sfx::StageTune},
    {"クリアかタイトル.wav", sfx::ClearTune},
    {"ゲームオーバー.wav", sfx::GameOverTune},
};

} // namespace

bool GenerateSounds(const std::filesystem::path& soundDir)
{
    bool ok = true;
    for (const EffectFile& effect : kEffects) {
        sfx::Signal samples = effect.make(kEffectRate);
        sfx::FadeEdges(samples, kEffectRate, 0.001, 0.008);
        sfx::ScaleToPeak(samples, kEffectPeakDb);
        ok = sfx::WriteWav(soundDir / effect.name, samples, kEffectRate) && ok;
    }
    for (const TuneFile& tune : kTunes) {
        const std::filesystem::path path = soundDir / tune.name;
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
