#include "platform/SdlRender.h"

#include "platform/ImageFile.h"
#include "platform/TerminalText.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {

namespace {

SDL_BlendFactor ToSdlFactor(int factor)
{
    switch (factor) {
    case BLEND_ONE: return SDL_BLENDFACTOR_ONE;
    case BLEND_SRCCOLOR: return SDL_BLENDFACTOR_SRC_COLOR;
    case BLEND_SRCALPHA: return SDL_BLENDFACTOR_SRC_ALPHA;
    case BLEND_INVSRCALPHA: return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    default: return SDL_BLENDFACTOR_ZERO;
    }
}

// The blend pair as an SDL blend mode; the destination alpha is kept as plain "over".
SDL_BlendMode ComposeBlend(int src, int dest)
{
    return SDL_ComposeCustomBlendMode(ToSdlFactor(src), ToSdlFactor(dest), SDL_BLENDOPERATION_ADD,
                                      SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                      SDL_BLENDOPERATION_ADD);
}

constexpr float kAreaWidth = kDrawingWidth;
constexpr float kAreaHeight = kDrawingHeight;

// A quad whose corners all lie beyond one edge of the drawing area covers no pixel of it.
bool OutsideDrawingArea(const SDL_FPoint (&corners)[4])
{
    bool left = true, right = true, above = true, below = true;
    for (const SDL_FPoint& p : corners) {
        left = left && p.x <= 0.0f;
        right = right && p.x >= kAreaWidth;
        above = above && p.y <= 0.0f;
        below = below && p.y >= kAreaHeight;
    }
    return left || right || above || below;
}

// A quad of no area (a picture scaled to nothing, as a turning star at its edge-on moment) has
// no pixel either: both of its triangles are flat.
bool Flat(const SDL_FPoint (&corners)[4])
{
    auto twiceArea = [](const SDL_FPoint& a, const SDL_FPoint& b, const SDL_FPoint& c) {
        return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    };
    return twiceArea(corners[0], corners[1], corners[2]) == 0.0f && twiceArea(corners[0], corners[2], corners[3]) == 0.0f;
}

// What a renderer without custom blend modes can do instead: glow and additive become "add".
SDL_BlendMode FallbackBlend(int dest)
{
    return dest == BLEND_INVSRCALPHA ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
}

} // namespace

SdlTexture::~SdlTexture()
{
    if (mAlphaTested != nullptr) SDL_DestroyTexture(mAlphaTested);
    if (mTexture != nullptr) SDL_DestroyTexture(mTexture);
}

SdlCellTextures::Cell SdlTexture::CellOf(const Rect& rect) const
{
    const SdlCellTextures::Cell whole{mTexture, AlphaTestedHandle(), Rect{0, 0, mWidth, mHeight}, mOpaque};
    if ((rect.left == 0 && rect.top == 0 && rect.right == mWidth && rect.bottom == mHeight) || !mCells) return whole;
    // A cell past the picture budget draws from the whole picture: its edges may blend with their
    // neighbours' pixels, but it draws.
    return mCells->Get(rect).value_or(whole);
}

SdlDevice::SdlDevice(SDL_Renderer* renderer, long long pictureBudgetPixels)
    : mRenderer(renderer), mPictures(pictureBudgetPixels)
{
    // Probe once whether the renderer accepts a custom blend pair.
    SDL_Texture* probe = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
    if (probe != nullptr) {
        mCustomBlend = SDL_SetTextureBlendMode(probe, ComposeBlend(BLEND_SRCALPHA, BLEND_SRCCOLOR)) == 0;
        SDL_DestroyTexture(probe);
    }
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(mRenderer, &info) == 0 && std::strncmp(info.name, "opengl", 6) == 0) {
        mGlFinish = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
    }
}

void SdlDevice::FinishFrame()
{
    SDL_RenderFlush(mRenderer);
    if (mGlFinish != nullptr) mGlFinish();
}

void SdlDevice::Clear(Color color)
{
    // A window of another shape than 16:9 shows the drawing area between black bars: the clear
    // covers the whole window, the fill only the drawing area.
    // Without bars the clear alone paints the drawing area: a software rasteriser fills a
    // rectangle pixel by pixel but clears in one sweep.
    SDL_SetRenderDrawBlendMode(mRenderer, SDL_BLENDMODE_NONE);
    const auto r = static_cast<Uint8>((color >> 16) & 0xFF);
    const auto g = static_cast<Uint8>((color >> 8) & 0xFF);
    const auto b = static_cast<Uint8>(color & 0xFF);
    const auto a = static_cast<Uint8>((color >> 24) & 0xFF);
    if (mShortcuts && AreaFillsOutput()) {
        SDL_SetRenderDrawColor(mRenderer, r, g, b, a);
        SDL_RenderClear(mRenderer);
        return;
    }
    SDL_SetRenderDrawColor(mRenderer, 0, 0, 0, 255);
    SDL_RenderClear(mRenderer);
    SDL_SetRenderDrawColor(mRenderer, r, g, b, a);
    SDL_RenderFillRect(mRenderer, nullptr);
}

bool SdlDevice::AreaFillsOutput() const
{
    int outputW = 0;
    int outputH = 0;
    if (SDL_GetRendererOutputSize(mRenderer, &outputW, &outputH) != 0) return false;
    SDL_Rect viewport;
    SDL_RenderGetViewport(mRenderer, &viewport);
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(mRenderer, &scaleX, &scaleY);
    return viewport.x == 0 && viewport.y == 0 && static_cast<float>(viewport.w) * scaleX == static_cast<float>(outputW) &&
           static_cast<float>(viewport.h) * scaleY == static_cast<float>(outputH);
}

void SdlDevice::Present()
{
    if (!mCapturePath.empty()) {
        mCaptureFailed = !SavePng(mCapturePath);
        mCapturePath.clear();
    }
    SDL_RenderPresent(mRenderer);
}

namespace {

// The sprite draws with an alpha test: pixels whose alpha is 0 are never drawn. Blend pairs
// that weigh the source by its alpha need no test, but the glow pair multiplies the background by
// the source colour, so a picture's clear pixels would tint their whole rectangle. The glow
// therefore draws in two steps, the first from this copy: clear pixels cut out, all others opaque.
SDL_Surface* AlphaTestedCopy(SDL_Surface* argb)
{
    const auto* pixels = static_cast<const uint32_t*>(argb->pixels);
    const int stride = argb->pitch / 4;
    bool anyClear = false;
    for (int y = 0; y < argb->h && !anyClear; ++y)
        for (int x = 0; x < argb->w && !anyClear; ++x) anyClear = (pixels[y * stride + x] >> 24) == 0;
    if (!anyClear) return nullptr;
    SDL_Surface* copy = SDL_CreateRGBSurfaceWithFormat(0, argb->w, argb->h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (copy == nullptr) return nullptr;
    auto* out = static_cast<uint32_t*>(copy->pixels);
    const int outStride = copy->pitch / 4;
    for (int y = 0; y < argb->h; ++y) {
        for (int x = 0; x < argb->w; ++x) {
            const uint32_t p = pixels[y * stride + x];
            out[y * outStride + x] = (p >> 24) == 0 ? 0u : (p | 0xFF000000u);
        }
    }
    return copy;
}

} // namespace

std::unique_ptr<Texture> SdlDevice::LoadTexture(const std::string& path, std::string& error)
{
    std::string warning;
    SurfacePtr loaded = LoadImageSurface(path, mPictures, error, warning);
    if (!loaded) return nullptr;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0);
    loaded.reset();
    if (surface == nullptr) {
        error = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(mRenderer, surface);
    SDL_Texture* alphaTested = nullptr;
    SDL_Surface* copy = nullptr;
    if (texture != nullptr && mCustomBlend) {
        copy = AlphaTestedCopy(surface);
        if (copy != nullptr) {
            alphaTested = SDL_CreateTextureFromSurface(mRenderer, copy);
            if (alphaTested != nullptr) SDL_SetTextureScaleMode(alphaTested, SDL_ScaleModeLinear);
        }
    }
    const int width = surface->w;
    const int height = surface->h;
    const bool opaque = AllOpaque(surface, Rect{0, 0, width, height});
    // The cells keep both surfaces to cut from.
    auto cells = std::make_unique<SdlCellTextures>(mRenderer, surface, copy, mPictures);
    if (texture == nullptr) {
        error = TerminalText(SDL_GetError(), kLibraryTextShown);
        return nullptr;
    }
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    error = warning;
    return std::make_unique<SdlTexture>(texture, alphaTested, width, height, std::move(cells), opaque,
                                        mPictures.Take(width, height));
}

std::vector<uint32_t> SdlDevice::ReadPixels(int& width, int& height) const
{
    SDL_Rect viewport;
    SDL_RenderGetViewport(mRenderer, &viewport);
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(mRenderer, &scaleX, &scaleY);
    width = static_cast<int>(static_cast<float>(viewport.w) * scaleX);
    height = static_cast<int>(static_cast<float>(viewport.h) * scaleY);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (width <= 0 || height <= 0 ||
        SDL_RenderReadPixels(mRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4) != 0) {
        width = height = 0;
        pixels.clear();
    }
    return pixels;
}

namespace {

// An SDL stream that collects what is written to it, so that a picture is encoded whole before
// a byte reaches its file.
SDL_RWops* CollectingStream(std::vector<unsigned char>& bytes)
{
    SDL_RWops* stream = SDL_AllocRW();
    if (stream == nullptr) return nullptr;
    stream->type = SDL_RWOPS_UNKNOWN;
    stream->hidden.unknown.data1 = &bytes;
    stream->size = [](SDL_RWops* rw) -> Sint64 {
        return static_cast<Sint64>(static_cast<std::vector<unsigned char>*>(rw->hidden.unknown.data1)->size());
    };
    stream->seek = [](SDL_RWops* rw, Sint64, int) -> Sint64 {
        return static_cast<Sint64>(static_cast<std::vector<unsigned char>*>(rw->hidden.unknown.data1)->size());
    };
    stream->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
    stream->write = [](SDL_RWops* rw, const void* data, size_t size, size_t count) -> size_t {
        auto* out = static_cast<std::vector<unsigned char>*>(rw->hidden.unknown.data1);
        const auto* from = static_cast<const unsigned char*>(data);
        out->insert(out->end(), from, from + size * count);
        return count;
    };
    stream->close = [](SDL_RWops* rw) -> int {
        SDL_FreeRW(rw);
        return 0;
    };
    return stream;
}

// Writes `bytes` to `path`, checking every write and the close (a full disk, /dev/full).
bool WriteChecked(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

} // namespace

bool SdlDevice::SavePng(const std::string& path) const
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels = ReadPixels(width, height);
    if (pixels.empty()) return false; // the caller names the shot that failed
    for (uint32_t& p : pixels) p |= 0xFF000000u; // the picture on screen is opaque
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
    std::vector<unsigned char> png;
    SDL_RWops* stream = surface != nullptr ? CollectingStream(png) : nullptr;
    const bool encoded = stream != nullptr && IMG_SavePNG_RW(surface, stream, 1) == 0 && !png.empty();
    const bool saved = encoded && WriteChecked(path, png);
    SDL_FreeSurface(surface);
    return saved;
}

void SdlSprite::Begin()
{
    mVertices.clear();
    mIndices.clear();
    mBatch = {};
    mDevice.SetRenderState(RS_SRCBLEND, BLEND_SRCALPHA);
    mDevice.SetRenderState(RS_DESTBLEND, BLEND_INVSRCALPHA);
}

void SdlSprite::Draw(const Texture* texture, const Rect* source, const Vec3* center, Color color)
{
    const auto* sdlTexture = dynamic_cast<const SdlTexture*>(texture);
    if (sdlTexture == nullptr) return;

    const int imageW = sdlTexture->Width();
    const int imageH = sdlTexture->Height();
    // The rectangle and the pivot are in layout pixels; a dense picture has `density` of its
    // own pixels for each of them.
    const int density = sdlTexture->Density();
    const Rect wanted = source != nullptr ? Rect{source->left * density, source->top * density,
                                                 source->right * density, source->bottom * density}
                                          : Rect{0, 0, imageW, imageH};
    const float toLayout = 1.0f / static_cast<float>(density);
    // Only the part of the rectangle inside the image draws; its placement keeps the
    // rectangle's own origin, so clipping never moves what remains.
    const int left = std::max(wanted.left, 0);
    const int top = std::max(wanted.top, 0);
    const int right = std::min(wanted.right, imageW);
    const int bottom = std::min(wanted.bottom, imageH);
    if (left >= right || top >= bottom) return;

    // The alpha test: a fully clear colour draws nothing, and neither does a quad wholly outside
    // the drawing area or one of no area; such draws are dropped before they can break a batch.
    if ((color >> 24) == 0 && mDevice.Shortcuts()) return;
    const float cx = center != nullptr ? center->x : 0.0f;
    const float cy = center != nullptr ? center->y : 0.0f;
    const int us[4] = {left, right, right, left};
    const int vs[4] = {top, top, bottom, bottom};
    SDL_FPoint corners[4];
    for (int i = 0; i < 4; ++i) {
        mTransform.TransformPoint(static_cast<float>(us[i] - wanted.left) * toLayout - cx,
                                  static_cast<float>(vs[i] - wanted.top) * toLayout - cy, corners[i].x, corners[i].y);
    }
    if (mDevice.Shortcuts() && (OutsideDrawingArea(corners) || Flat(corners))) return;

    const SdlCellTextures::Cell cell = sdlTexture->CellOf(Rect{left, top, right, bottom});
    if (cell.texture == nullptr) return;
    const int src = mDevice.SrcBlend();
    const int dest = mDevice.DestBlend();
    if (cell.texture != mBatch.texture || src != mBatchSrc || dest != mBatchDest) {
        Flush();
        mBatch = cell;
        mBatchSrc = src;
        mBatchDest = dest;
        mBatchOpaque = cell.opaque && mDevice.Shortcuts();
    }
    if ((color >> 24) == 0) return;

    const SDL_Color tint{static_cast<Uint8>((color >> 16) & 0xFF), static_cast<Uint8>((color >> 8) & 0xFF),
                         static_cast<Uint8>(color & 0xFF), static_cast<Uint8>((color >> 24) & 0xFF)};
    mBatchOpaque = mBatchOpaque && tint.a == 0xFF;
    const auto areaW = static_cast<float>(cell.area.right - cell.area.left);
    const auto areaH = static_cast<float>(cell.area.bottom - cell.area.top);
    const int base = static_cast<int>(mVertices.size());
    for (int i = 0; i < 4; ++i) {
        SDL_Vertex v;
        v.position = corners[i];
        v.color = tint;
        v.tex_coord.x = static_cast<float>(us[i] - cell.area.left) / areaW;
        v.tex_coord.y = static_cast<float>(vs[i] - cell.area.top) / areaH;
        mVertices.push_back(v);
    }
    for (int i : {0, 1, 2, 0, 2, 3}) mIndices.push_back(base + i);
}

void SdlSprite::Flush()
{
    if (mBatch.texture == nullptr || mVertices.empty()) {
        mVertices.clear();
        mIndices.clear();
        return;
    }
    SDL_Texture* handle = mBatch.texture;
    if (!mDevice.SupportsCustomBlend()) {
        SDL_SetTextureBlendMode(handle, FallbackBlend(mBatchDest));
    } else if (mBatchSrc == BLEND_SRCALPHA && mBatchDest == BLEND_SRCCOLOR) {
        DrawGlowBatch();
        mVertices.clear();
        mIndices.clear();
        return;
    } else if (mBatchOpaque && mBatchSrc == BLEND_SRCALPHA && mBatchDest == BLEND_INVSRCALPHA) {
        // Full alpha everywhere: the normal pair would give the source exactly, so skip the
        // blending (the two backgrounds cover the whole screen every frame).
        SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_NONE);
    } else {
        SDL_SetTextureBlendMode(handle, ComposeBlend(mBatchSrc, mBatchDest));
    }
    const bool blended =
        !(mDevice.SupportsCustomBlend() && mBatchOpaque && mBatchSrc == BLEND_SRCALPHA && mBatchDest == BLEND_INVSRCALPHA);
    Submit(handle, mVertices, blended);
    mVertices.clear();
    mIndices.clear();
}

// The glow pair, result = source * alpha + background * source colour, for the pixels that pass
// the alpha test, in two steps that together give exactly that:
//   1. background * (source colour where the test passes, 1 elsewhere), from the alpha-tested copy;
//   2. plus source * alpha, from the picture itself.
void SdlSprite::DrawGlowBatch()
{
    mOpaqueVertices = mVertices;
    for (SDL_Vertex& v : mOpaqueVertices) v.color.a = 255;
    SDL_Texture* tested = mBatch.alphaTested;
    SDL_SetTextureBlendMode(tested, SDL_ComposeCustomBlendMode(
                                        SDL_BLENDFACTOR_DST_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                        SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE,
                                        SDL_BLENDOPERATION_ADD));
    Submit(tested, mOpaqueVertices, true);

    SDL_Texture* handle = mBatch.texture;
    SDL_SetTextureBlendMode(handle, SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE,
                                                               SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                                               SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD));
    Submit(handle, mVertices, true);
}

void SdlSprite::Submit(SDL_Texture* texture, const std::vector<SDL_Vertex>& vertices, bool blended)
{
    SDL_RenderGeometry(mDevice.Renderer(), texture, vertices.data(), static_cast<int>(vertices.size()), mIndices.data(),
                       static_cast<int>(mIndices.size()));
    ++mGeometryCalls;
    if (!blended) return;
    for (size_t q = 0; q + 3 < vertices.size(); q += 4) {
        float minX = vertices[q].position.x, maxX = minX, minY = vertices[q].position.y, maxY = minY;
        for (size_t i = q + 1; i < q + 4; ++i) {
            minX = std::min(minX, vertices[i].position.x);
            maxX = std::max(maxX, vertices[i].position.x);
            minY = std::min(minY, vertices[i].position.y);
            maxY = std::max(maxY, vertices[i].position.y);
        }
        const float w = std::min(maxX, kAreaWidth) - std::max(minX, 0.0f);
        const float h = std::min(maxY, kAreaHeight) - std::max(minY, 0.0f);
        if (w > 0.0f && h > 0.0f) mBlendedArea += static_cast<double>(w) * static_cast<double>(h);
    }
}

} // namespace platform
