#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/Texture.h"

class CGameFrameConstruct;

// Owns every texture and sound a scene loads; the scene's objects only borrow them.
// Each resource is freed exactly once: by ReleaseAll or when the holder goes.
class CResourceHolder {
public:
    explicit CResourceHolder(CGameFrameConstruct* frame) : mpFrame(frame) {}

    // Each call loads a new object (the same file twice gives two textures); null on failure.
    platform::Texture* LoadTexture(const std::string& path);
    platform::SoundBuffer* LoadSound(const std::string& path);
    // A tune: loaded as a sound and played at the music's volume.
    platform::SoundBuffer* LoadMusic(const std::string& path);

    // Hands one of the sounds over to a new owner (null if it is not held here).
    std::unique_ptr<platform::SoundBuffer> TakeSound(const platform::SoundBuffer* sound);

    // Frees the sounds (a freed sound falls silent), then the textures.
    void ReleaseAll();

    size_t TextureCount() const { return mTextures.size(); }
    size_t SoundCount() const { return mSounds.size(); }

private:
    CGameFrameConstruct* mpFrame = nullptr;
    std::vector<std::unique_ptr<platform::Texture>> mTextures;
    std::vector<std::unique_ptr<platform::SoundBuffer>> mSounds;
};
