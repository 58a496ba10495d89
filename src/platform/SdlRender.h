#pragma once
#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Device.h"
#include "platform/PictureBudget.h"
#include "platform/SdlCellTextures.h"
#include "platform/Sprite.h"

namespace platform {

class SdlTexture final : public Texture {
public:
    // `alphaTested` is the picture with its fully clear pixels cut out (black, alpha 0) and every
    // other pixel opaque; null when the picture has no clear pixel. Both are owned.
    // `cells` cuts the picture's source rectangles into textures of their own; without it
    // every rectangle draws from the whole picture.
    // `opaque` says that every pixel of the picture has full alpha. `share` is what the picture
    // holds of its device's budget, given back with the texture.
    SdlTexture(SDL_Texture* texture, SDL_Texture* alphaTested, int width, int height,
               std::unique_ptr<SdlCellTextures> cells = nullptr, bool opaque = false, PictureBudget::Share share = {})
        : mTexture(texture), mAlphaTested(alphaTested), mCells(std::move(cells)), mWidth(width), mHeight(height),
          mOpaque(opaque), mShare(std::move(share))
    {
    }
    ~SdlTexture() override;
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;

    int Width() const override { return mWidth; }
    int Height() const override { return mHeight; }
    SDL_Texture* Handle() const { return mTexture; }
    SDL_Texture* AlphaTestedHandle() const { return mAlphaTested != nullptr ? mAlphaTested : mTexture; }
    // The textures that draw `rect` (inside the picture) without touching its neighbours.
    SdlCellTextures::Cell CellOf(const Rect& rect) const;

private:
    SDL_Texture* mTexture = nullptr;
    SDL_Texture* mAlphaTested = nullptr;
    std::unique_ptr<SdlCellTextures> mCells;
    int mWidth = 0;
    int mHeight = 0;
    bool mOpaque = false;
    PictureBudget::Share mShare;
};

// The drawing device on an SDL renderer (borrowed; the system that made it destroys it).
// Every texture it holds counts against its picture budget.
class SdlDevice final : public Device {
public:
    explicit SdlDevice(SDL_Renderer* renderer, long long pictureBudgetPixels = kPictureBudgetPixels);

    void Clear(Color color) override;
    void Present() override;
    std::unique_ptr<Texture> LoadTexture(const std::string& path, std::string& error) override;

    // Saves the next frame as PNG just before it is presented.
    void RequestCapture(std::string path) { mCapturePath = std::move(path); }
    // Whether the last requested capture could not be saved.
    bool CaptureFailed() const { return mCaptureFailed; }
    // Waits until the renderer has carried out every drawing command so far. An offscreen
    // renderer never shows a frame, so without this a software rasteriser queues frame after frame.
    void FinishFrame();
    // Reads the drawing area now (ARGB, 1280 x 720 logical pixels); empty on failure.
    std::vector<uint32_t> ReadPixels(int& width, int& height) const;
    bool SavePng(const std::string& path) const;

    // Whether the renderer takes the custom blend pairs (the software renderer does not).
    bool SupportsCustomBlend() const { return mCustomBlend; }
    SDL_Renderer* Renderer() const { return mRenderer; }
    const PictureBudget& Pictures() const { return mPictures; }

    // Off: the frame is filled by a drawn rectangle, every draw goes to the renderer as it comes,
    // blended, so that a benchmark can show what the shortcuts save (clearing the drawing area
    // in one step, dropping invisible draws, no blending for opaque pictures).
    void SetShortcuts(bool on) { mShortcuts = on; }
    bool Shortcuts() const { return mShortcuts; }

private:
    // Whether the drawing area covers the whole output: no black bars to keep.
    bool AreaFillsOutput() const;

    SDL_Renderer* mRenderer = nullptr;
    bool mCustomBlend = true;
    bool mShortcuts = true;
    std::string mCapturePath;
    bool mCaptureFailed = false;
    void (*mGlFinish)() = nullptr; // glFinish of an OpenGL renderer, null for the others
    PictureBudget mPictures;
};

// The sprite on an SDL renderer: quads go out as SDL_RenderGeometry batches, one per run
// of draws with the same texture and blend pair.
class SdlSprite final : public Sprite {
public:
    explicit SdlSprite(SdlDevice& device) : mDevice(device) {}

    void Begin() override;
    void End() override { Flush(); }
    void SetTransform(const Matrix& transform) override { mTransform = transform; }
    void Draw(const Texture* texture, const Rect* source, const Vec3* center, Color color) override;
    void Flush() override;

    // What the renderer was asked to do so far, for the benchmarks: geometry calls, and the
    // screen area (in pixels, by the quads' bounding boxes) drawn with blending.
    long long GeometryCalls() const { return mGeometryCalls; }
    double BlendedArea() const { return mBlendedArea; }

private:
    void DrawGlowBatch();
    void Submit(SDL_Texture* texture, const std::vector<SDL_Vertex>& vertices, bool blended);

    SdlDevice& mDevice;
    Matrix mTransform = Matrix::Identity();
    SdlCellTextures::Cell mBatch; // the textures the batch draws from
    int mBatchSrc = 0;
    int mBatchDest = 0;
    bool mBatchOpaque = false; // an opaque picture under opaque tints: blending changes nothing
    std::vector<SDL_Vertex> mVertices;
    std::vector<SDL_Vertex> mOpaqueVertices; // the glow's first step, its tint made opaque
    std::vector<int> mIndices;
    long long mGeometryCalls = 0;
    double mBlendedArea = 0.0;
};

} // namespace platform
