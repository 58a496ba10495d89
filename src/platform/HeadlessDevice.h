#pragma once
#include <map>
#include <string>

#include "platform/Device.h"
#include "platform/PictureBudget.h"

namespace platform {

// A device without a renderer: images are decoded only to learn their size and path (once per
// path), and every texture counts against the same picture budget as on the SDL device.
class HeadlessDevice final : public Device {
public:
    explicit HeadlessDevice(long long pictureBudgetPixels = kPictureBudgetPixels) : mPictures(pictureBudgetPixels) {}

    struct Frame {
        Color clearColor = 0;
        int clears = 0;
        int presents = 0;
    };

    void Clear(Color color) override;
    void Present() override { ++mFrame.presents; }
    std::unique_ptr<Texture> LoadTexture(const std::string& path, std::string& error) override;

    const Frame& Stats() const { return mFrame; }
    int TexturesLoaded() const { return mTexturesLoaded; }
    const PictureBudget& Pictures() const { return mPictures; }

private:
    // What decoding a file once told: its size, and what was wrong with it.
    struct Known {
        int width = 0;
        int height = 0;
        std::string warning;
    };

    Frame mFrame;
    int mTexturesLoaded = 0;
    std::map<std::string, Known> mKnown;
    PictureBudget mPictures;
};

// The texture of a headless device: its size and where it came from.
class HeadlessTexture final : public Texture {
public:
    HeadlessTexture(std::string path, int width, int height, PictureBudget::Share share = {})
        : mPath(std::move(path)), mWidth(width), mHeight(height), mShare(std::move(share))
    {
    }
    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
    int mWidth = 0;
    int mHeight = 0;
    PictureBudget::Share mShare;
};

} // namespace platform
