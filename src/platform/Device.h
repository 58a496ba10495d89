#pragma once
#include <memory>
#include <string>

#include "platform/Texture.h"
#include "platform/Types.h"

namespace platform {

// Render states the game sets; the numbering is the usual one of the blend states.
enum RenderState : int {
    RS_SRCBLEND = 19,
    RS_DESTBLEND = 20,
};

enum BlendFactor : int {
    BLEND_ONE = 2,
    BLEND_SRCCOLOR = 3,
    BLEND_SRCALPHA = 5,
    BLEND_INVSRCALPHA = 6,
};

// The drawing device: clears, presents, loads textures and keeps the blend pair
// that every sprite draw uses at the moment of the draw.
class Device {
public:
    virtual ~Device() = default;

    virtual void Clear(Color color) = 0;
    virtual void BeginScene() {}
    virtual void EndScene() {}
    virtual void Present() = 0;

    // Loads a PNG, JPEG or BMP file; null with a reason in `error` when it cannot. A texture
    // with `error` set loaded from a damaged file: `error` says what was wrong with it.
    virtual std::unique_ptr<Texture> LoadTexture(const std::string& path, std::string& error) = 0;

    void SetRenderState(RenderState state, int value)
    {
        if (state == RS_SRCBLEND) mSrcBlend = value;
        else if (state == RS_DESTBLEND) mDestBlend = value;
    }
    int SrcBlend() const { return mSrcBlend; }
    int DestBlend() const { return mDestBlend; }

private:
    int mSrcBlend = BLEND_SRCALPHA;
    int mDestBlend = BLEND_INVSRCALPHA;
};

} // namespace platform
