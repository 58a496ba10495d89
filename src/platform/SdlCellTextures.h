#pragma once
#include <SDL.h>

#include <map>
#include <optional>
#include <tuple>

#include "platform/PictureBudget.h"
#include "platform/Types.h"

namespace platform {

// Whether every pixel of `rect` in an ARGB8888 surface has full alpha: such a picture, or a cell of
// a sheet with clear parts (the soil among the grass tops), draws without blending.
bool AllOpaque(const SDL_Surface* argb, const Rect& rect);

// The renderer filters linearly, and a sprite drawn between whole pixels samples half a pixel
// beyond its source rectangle. Inside one texture that half pixel belongs to the neighbouring
// cell of the sheet (a green line at a soil tile's edge, a dark line beside the hero). So every
// source rectangle smaller than the picture gets a texture of its own, made on first use:
// the renderer clamps at a texture's edge, so a cell only ever blends its own border pixels.
// Each cell's pixels count against the device's picture budget until the picture goes; a cell
// that would pass it is not made, and its rectangle draws from the whole picture instead.
class SdlCellTextures {
public:
    struct Cell {
        SDL_Texture* texture = nullptr;
        SDL_Texture* alphaTested = nullptr; // the glow pass's cut-out copy; may equal `texture`
        Rect area;                          // the part of the picture the textures hold
        bool opaque = false;                // every pixel it draws from has full alpha
    };

    // Takes ownership of both surfaces (ARGB8888; `alphaTested` may be null: no clear pixel).
    // `budget` shares the device's count of the pixels held.
    SdlCellTextures(SDL_Renderer* renderer, SDL_Surface* picture, SDL_Surface* alphaTested, PictureBudget budget);
    ~SdlCellTextures();
    SdlCellTextures(const SdlCellTextures&) = delete;
    SdlCellTextures& operator=(const SdlCellTextures&) = delete;

    // The textures of `rect`, which lies inside the picture; null textures when SDL fails.
    // Nothing when the cell would take the pictures held past their budget.
    std::optional<Cell> Get(const Rect& rect);

private:
    struct HeldCell {
        Cell cell;
        PictureBudget::Share share;
    };

    SDL_Texture* Cut(SDL_Surface* from, const Rect& rect) const;

    SDL_Renderer* mRenderer = nullptr;
    SDL_Surface* mPicture = nullptr;
    SDL_Surface* mAlphaTested = nullptr;
    PictureBudget mBudget;
    std::map<std::tuple<int, int, int, int>, HeldCell> mCells;
};

} // namespace platform
