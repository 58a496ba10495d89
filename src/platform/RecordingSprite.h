#pragma once
#include <vector>

#include "platform/Device.h"
#include "platform/Sprite.h"

namespace platform {

// A sprite that draws nothing and remembers every draw, for tests and fast headless runs.
class RecordingSprite final : public Sprite {
public:
    struct DrawCall {
        const Texture* texture = nullptr;
        Rect source;
        bool hasSource = false;
        Vec3 center;
        Matrix transform;
        Color color = 0;
        int srcBlend = 0;
        int destBlend = 0;
    };

    explicit RecordingSprite(const Device& device) : mDevice(device) {}

    void Begin() override;
    void End() override;
    void SetTransform(const Matrix& transform) override { mTransform = transform; }
    void Draw(const Texture* texture, const Rect* source, const Vec3* center, Color color) override;
    void Flush() override { ++mFlushes; }

    const std::vector<DrawCall>& Draws() const { return mDraws; }
    void ClearDraws() { mDraws.clear(); }
    int Flushes() const { return mFlushes; }
    int Begins() const { return mBegins; }
    int Ends() const { return mEnds; }
    // When false, draws are only counted (long headless runs).
    void SetKeepDraws(bool keep) { mKeepDraws = keep; }
    long long DrawCount() const { return mDrawCount; }

private:
    const Device& mDevice;
    Matrix mTransform = Matrix::Identity();
    std::vector<DrawCall> mDraws;
    int mFlushes = 0;
    int mBegins = 0;
    int mEnds = 0;
    bool mKeepDraws = true;
    long long mDrawCount = 0;
};

} // namespace platform
