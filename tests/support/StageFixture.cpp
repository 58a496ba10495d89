#include "support/StageFixture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <stdexcept>

#include "app/Assert.h"
#include "map/StageGrid.h"
#include "scenes/Game.h"

namespace {

struct Codes {
    int tile = 0;
    int enemy = 0;
    int score = 0;
    int heal = 0;
    int sign = 0;
};

Codes CodesOf(char c)
{
    switch (c) {
    case '.':
    case ' ': return {};
    case '1': return {1, 0, 0, 0};
    case '2': return {2, 0, 0, 0};
    case '3': return {3, 0, 0, 0};
    case '=': return {4, 0, 0, 0};
    case '^': return {5, 0, 0, 0};
    case '|': return {6, 0, 0, 0};
    case 'G': return {8, 0, 0, 0};
    case 'g': return {9, 0, 0, 0};
    case 'w': return {0, 1, 0, 0};
    case 'j': return {0, 2, 0, 0};
    case 'f': return {0, 3, 0, 0};
    case 's': return {0, 5, 0, 0};
    case '*': return {0, 0, 1, 0};
    case '$': return {0, 0, 2, 0};
    case '+': return {0, 0, 0, 1};
    case 'k': return {0, 0, 0, 0, 1}; // a sign (the walking keys), drawn behind the tiles
    default: throw std::invalid_argument(std::string("unknown stage character '") + c + "'");
    }
}

std::string Csv(const std::vector<std::string>& picture, int topRow, int Codes::*field)
{
    std::string text;
    for (int r = 0; r < kMapRows; ++r) {
        const int line = r - topRow;
        for (int c = 0; c < kMapCols; ++c) {
            int code = 0;
            if (line >= 0 && line < static_cast<int>(picture.size()) &&
                c < static_cast<int>(picture[static_cast<size_t>(line)].size())) {
                code = CodesOf(picture[static_cast<size_t>(line)][static_cast<size_t>(c)]).*field;
            }
            if (c > 0) text += ',';
            text += std::to_string(code);
        }
        text += '\n';
    }
    return text;
}

const char* const kTextures[] = {
    "csvMapChip().png", "ZEM.png", "指示画像.png", "Bubble.png", "BubbleAlpha().png", // title screen
    "player試作11.png", "playerDown2.png", "MiniPlayerAnime.png", "BubbleAnime.png", "BubbleAnimeAlpha.png",
    "HP.png", "starBubble.png", "starBubbleAlpha.png", "suji2.png", "EnemyFace.png", "BubbleMona.png",
    "BubbleMonaAlpha試作2.png", "TitleBack2.jpg", "Back2.png", "MapChip12.png", "星クリア.png", "EnemyBase.png",
    "FlyEnemy.png", "FlyEnemy5.png", "FlyEnemyBullet2.png", "SlimeEnemy.png", "star.png", "Sun.bmp",
    "EnemyBubble.png", "EnemyBubbleAlpha.png", "SlimeBubble.png", "SlimeBubbleAlpha.png", "HP Item.png",
    "playerBubble.png", "playerBubbleAlpha.png", "JumpEnemy.png", "Signs.png", "PitShade.png",
    // result and game-over screens
    "WhiteNewGameClear3.png", "RESULT.png", "星白.png", "星.png", "星 (1).png", "playerBubble (1).png",
    "playerBubbleAlpha (1).png", "Labels.png", "NewGameOverBack.png", "NWG.png", "NewRETRY.png", "GOPlayer.png",
};

const char* const kSounds[] = {
    "タイトルクリック.wav", "タイトル.wav", // title screen
    "泡06・高音・単音.wav", "Motion-Pop07-2.wav", "Motion-Pop06-2.wav", "damage6.wav",
    "動き10（ぺろろろ・下がり）.wav", "泡05.wav", "ChangeBig.wav", "ChangeMini.wav", "消失・ぱちんっ.wav",
    "星・キラーン07.wav", "回復音.wav", "消失・ぱちんっ(低音).wav", "rensaku_10_morivalte.wav",
    "GoalJingle.wav", "クリアかタイトル.wav", "ゲームオーバー.wav", // goal, result and game-over screens
};

// A short 8-bit mono PCM sound.
std::string TinyWav()
{
    auto u32 = [](uint32_t v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
    };
    auto u16 = [](uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
    const std::string samples(64, static_cast<char>(0x80));
    std::string fmt = u16(1) + u16(1) + u32(22050) + u32(22050) + u16(1) + u16(8);
    std::string body = "WAVE" + std::string("fmt ") + u32(16) + fmt + "data" + u32(static_cast<uint32_t>(samples.size())) + samples;
    return "RIFF" + u32(static_cast<uint32_t>(body.size())) + body;
}

} // namespace

void WriteAsciiStage(const TempDir& dir, const std::vector<std::string>& picture, int topRow)
{
    dir.Write("Resource/Data/Map005.csv", Csv(picture, topRow, &Codes::tile));
    dir.Write("Resource/Data/EnemyMap005.csv", Csv(picture, topRow, &Codes::enemy));
    dir.Write("Resource/Data/ScoreMap005.csv", Csv(picture, topRow, &Codes::score));
    dir.Write("Resource/Data/RecoveryMap005.csv", Csv(picture, topRow, &Codes::heal));
    dir.Write("Resource/Data/SignMap005.csv", Csv(picture, topRow, &Codes::sign));
}

void WriteStandInResources(const TempDir& dir)
{
    std::filesystem::create_directories(dir.Path() / "Resource/Texture");
    uint32_t pixels[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels, 2, 2, 32, 8, SDL_PIXELFORMAT_ARGB8888);
    for (const char* name : kTextures) {
        const std::string path = (dir.Path() / "Resource/Texture" / std::filesystem::u8path(name)).string();
        if (IMG_SavePNG(surface, path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
    }
    SDL_FreeSurface(surface);
    const std::string wav = TinyWav();
    for (const char* name : kSounds) dir.Write(std::string("Resource/Sound/") + name, wav);
}

StageFixture::StageFixture(const std::vector<std::string>& picture, int topRow)
{
    WriteStandInResources(dir);
    WriteAsciiStage(dir, picture, topRow);
    mWorkingDir = std::make_unique<ScopedWorkingDir>(dir.Path());
    frame = std::make_unique<CGameFrameConstruct>(fake.Services());
    frame->Init();
}

StageFixture::~StageFixture()
{
    frame.reset();
    mWorkingDir.reset();
}

std::unique_ptr<CGame> StageFixture::MakeGame()
{
    auto game = std::make_unique<CGame>(frame.get());
    game->Init();
    return game;
}
