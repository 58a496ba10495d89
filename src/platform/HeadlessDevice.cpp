#include "platform/HeadlessDevice.h"

#include "platform/ImageFile.h"

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
        const SurfacePtr surface = LoadImageSurface(path, error);
        if (!surface) return nullptr;
        cached = mSizeCache.emplace(path, std::make_pair(surface->w, surface->h)).first;
    }
    ++mTexturesLoaded;
    return std::make_unique<HeadlessTexture>(path, cached->second.first, cached->second.second);
}

} // namespace platform
