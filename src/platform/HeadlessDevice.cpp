#include "platform/HeadlessDevice.h"

#include <SDL_image.h>

namespace platform {

void HeadlessDevice::Clear(Color color)
{
    mFrame.clearColor = color;
    ++mFrame.clears;
}

std::unique_ptr<Texture> HeadlessDevice::LoadTexture(const std::string& path, std::string& error)
{
    auto cached = mSizeCache.find(path);
    if (cached == mSizeCache.end()) {
        SDL_Surface* surface = IMG_Load(path.c_str());
        if (surface == nullptr) {
            error = IMG_GetError();
            return nullptr;
        }
        cached = mSizeCache.emplace(path, std::make_pair(surface->w, surface->h)).first;
        SDL_FreeSurface(surface);
    }
    ++mTexturesLoaded;
    return std::make_unique<HeadlessTexture>(path, cached->second.first, cached->second.second);
}

} // namespace platform
