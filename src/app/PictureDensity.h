#pragma once
// Pictures the game draws larger than their layout are made denser, so that they stay sharp at
// their largest: a status icon's pulse (1.1 times), a big star and its bubble (2 times) and a
// heal item's bubble as it is taken (3 times). zem-assetgen makes each with `density` pixels
// for every layout pixel; the game draws them in layout pixels and the sprite does the rest.
#include <string_view>

#include "app/AssetFiles.h"

struct DensePicture {
    const char* path;
    int layoutWidth;
    int layoutHeight;
    int density;
};

inline constexpr DensePicture kDensePictures[] = {
    {files::kHpIcon, 64, 64, 2},
    {files::kShotBubbles, 384, 192, 2},
    {files::kShotBubblesAlpha, 384, 192, 2},
    {files::kScoreStar, 40, 40, 2},
    {files::kStarBubble, 64, 64, 2},
    {files::kStarBubbleAlpha, 64, 64, 2},
    {files::kHealBubble, 320, 240, 3},
    {files::kHealBubbleAlpha, 320, 240, 3},
};

// The density the picture at `path` is made with (1 for most).
int DesignedDensity(std::string_view path);

// The density to draw a picture loaded from `path` with `width` x `height` pixels: its designed
// density when it has exactly that many pixels, otherwise 1, so that a picture replaced by one
// of its layout's size draws as before.
int PictureDensity(std::string_view path, int width, int height);
