#include "platform/SdlCellTextures.h"

#include <string>
#include <utility>

namespace platform {

SdlCellTextures::SdlCellTextures(SDL_Renderer* renderer, SDL_Surface* picture, SDL_Surface* alphaTested,
                                 PictureBudget budget)
    : mRenderer(renderer), mPicture(picture), mAlphaTested(alphaTested), mBudget(std::move(budget))
{
}

SdlCellTextures::~SdlCellTextures()
{
    for (auto& [key, held] : mCells) {
        const Cell& cell = held.cell;
        if (cell.alphaTested != nullptr && cell.alphaTested != cell.texture) SDL_DestroyTexture(cell.alphaTested);
        if (cell.texture != nullptr) SDL_DestroyTexture(cell.texture);
    }
    SDL_FreeSurface(mAlphaTested);
    SDL_FreeSurface(mPicture);
}

std::optional<SdlCellTextures::Cell> SdlCellTextures::Get(const Rect& rect)
{
    const auto key = std::make_tuple(rect.left, rect.top, rect.right, rect.bottom);
    if (auto found = mCells.find(key); found != mCells.end()) return found->second.cell;
    const long long width = rect.right - rect.left;
    const long long height = rect.bottom - rect.top;
    std::string refused;
    if (!mBudget.Fits(width, height, refused)) return std::nullopt;
    Cell cell;
    cell.area = rect;
    cell.opaque = AllOpaque(mPicture, rect);
    cell.texture = Cut(mPicture, rect);
    cell.alphaTested = mAlphaTested != nullptr ? Cut(mAlphaTested, rect) : cell.texture;
    mCells.emplace(key, HeldCell{cell, mBudget.Take(width, height)});
    return cell;
}

bool AllOpaque(const SDL_Surface* argb, const Rect& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
        for (int x = rect.left; x < rect.right; ++x) {
            if ((row[x] >> 24) != 0xFF) return false;
        }
    }
    return true;
}

SDL_Texture* SdlCellTextures::Cut(SDL_Surface* from, const Rect& rect) const
{
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    // A view of the rectangle's pixels inside the surface, no copy.
    auto* first = static_cast<Uint8*>(from->pixels) + rect.top * from->pitch + rect.left * 4;
    SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(first, w, h, 32, from->pitch, SDL_PIXELFORMAT_ARGB8888);
    if (view == nullptr) return nullptr;
    SDL_Texture* texture = SDL_CreateTextureFromSurface(mRenderer, view);
    SDL_FreeSurface(view);
    if (texture != nullptr) SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return texture;
}

} // namespace platform
