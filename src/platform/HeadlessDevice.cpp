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
    auto known = mKnown.find(path);
    if (known == mKnown.end()) {
        std::string warning;
        const SurfacePtr surface = LoadImageSurface(path, mPictures, error, warning);
        if (!surface) return nullptr;
        known = mKnown.emplace(path, Known{surface->w, surface->h, warning}).first;
    } else if (!mPictures.Fits(known->second.width, known->second.height, error)) {
        return nullptr;
    }
    const Known& picture = known->second;
    error = picture.warning;
    ++mTexturesLoaded;
    return std::make_unique<HeadlessTexture>(path, picture.width, picture.height,
                                             mPictures.Take(picture.width, picture.height));
}

} // namespace platform
