#pragma once

// A colour as cairo takes it: three channels from 0 to 1.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(unsigned value)
{
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

// Mixes two colours: t = 0 gives a, t = 1 gives b.
constexpr Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The game's colours: one bright dream land, warm hero, cool enemies.
namespace colours {
inline constexpr Rgb kOutline = Hex(0x263238);
inline constexpr Rgb kWhite = Hex(0xFFFFFF);
inline constexpr Rgb kSkyTop = Hex(0x6EC6FF);
inline constexpr Rgb kSkyHigh = Hex(0x44AEF2);
inline constexpr Rgb kHorizon = Hex(0xC9F1FF);
inline constexpr Rgb kFarHills = Hex(0x9ED9A5);
inline constexpr Rgb kNearHills = Hex(0x5DBB63);
inline constexpr Rgb kGrass = Hex(0x4CAF50);
inline constexpr Rgb kGrassLight = Hex(0x81C784);
inline constexpr Rgb kSoil = Hex(0x8D6E63);
inline constexpr Rgb kSoilDark = Hex(0x6D4C41);
inline constexpr Rgb kStone = Hex(0x90A4AE);
inline constexpr Rgb kStoneDark = Hex(0x607D8B);
inline constexpr Rgb kStoneLight = Hex(0xCFD8DC);
inline constexpr Rgb kWood = Hex(0xC68B59);
inline constexpr Rgb kWoodDark = Hex(0x8D5A36);
inline constexpr Rgb kHero = Hex(0xFFB74D);
inline constexpr Rgb kHeroDark = Hex(0xF39A2B);
inline constexpr Rgb kHeroBelly = Hex(0xFFE0B2);
inline constexpr Rgb kCheek = Hex(0xFF8A65);
inline constexpr Rgb kShoe = Hex(0xE8582A);
inline constexpr Rgb kBubble = Hex(0x81D4FA);
inline constexpr Rgb kBubbleDeep = Hex(0x29B6F6);
inline constexpr Rgb kEnemyPurple = Hex(0x7E57C2);
inline constexpr Rgb kEnemyPurpleDark = Hex(0x5E35B1);
inline constexpr Rgb kEnemyPurpleLight = Hex(0xB39DDB);
inline constexpr Rgb kEnemyRed = Hex(0xE53935);
inline constexpr Rgb kEnemyRedDark = Hex(0xB71C1C);
inline constexpr Rgb kDrone = Hex(0x5C6BC0);
inline constexpr Rgb kDroneDark = Hex(0x3949AB);
inline constexpr Rgb kHorn = Hex(0xFFF3E0);
inline constexpr Rgb kDanger = Hex(0xFF5252);
inline constexpr Rgb kGold = Hex(0xFFD54F);
inline constexpr Rgb kGoldDark = Hex(0xFFB300);
inline constexpr Rgb kHeart = Hex(0xFF5C7A);
inline constexpr Rgb kHeartDark = Hex(0xD81B60);
} // namespace colours
