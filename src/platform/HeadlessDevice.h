#pragma once
#include <map>
#include <string>

#include "platform/Device.h"

namespace platform {

// A device without a renderer: images are decoded only to learn their size and path.
class HeadlessDevice final : public Device {
public:
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

private:
    Frame mFrame;
    int mTexturesLoaded = 0;
    std::map<std::string, std::pair<int, int>> mSizeCache;
};

// The texture of a headless device: its size and where it came from.
class HeadlessTexture final : public Texture {
public:
    HeadlessTexture(std::string path, int width, int height) : mPath(std::move(path)), mWidth(width), mHeight(height) {}
    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    const std::string& Path() const { return mPath; }

private:
    std::string mPath;
    int mWidth = 0;
    int mHeight = 0;
};

} // namespace platform
