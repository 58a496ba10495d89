#pragma once
#include <filesystem>

#include "images/Canvas.h"

// What fully transparent pixels carry as colour. Linear filtering blends that colour into the
// edges, and the glowing blend multiplies the background by it, so it is chosen per picture.
enum class ClearColour {
    Bleed, // the colour of the nearest drawn pixels: clean edges under filtering
    White, // white: a picture drawn with the glowing blend leaves the background as it is
};

// Each writer reports a failure on standard error, naming the file, and returns false.
bool WritePng(const Canvas& canvas, const std::filesystem::path& file, ClearColour clear);
bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& file, int quality);
// A 24-bit BMP without alpha.
bool WriteBmp(const Canvas& canvas, const std::filesystem::path& file);
