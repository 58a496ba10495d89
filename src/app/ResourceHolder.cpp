#include "app/ResourceHolder.h"

#include <algorithm>

#include "app/GameFrame.h"

platform::Texture* CResourceHolder::LoadTexture(const std::string& path)
{
    std::unique_ptr<platform::Texture> texture;
    mpFrame->LoadTexture(texture, path);
    if (!texture) return nullptr;
    mTextures.push_back(std::move(texture));
    return mTextures.back().get();
}

platform::SoundBuffer* CResourceHolder::LoadSound(const std::string& path)
{
    std::unique_ptr<platform::SoundBuffer> sound;
    mpFrame->LoadSound(sound, path);
    if (!sound) return nullptr;
    mSounds.push_back(std::move(sound));
    return mSounds.back().get();
}

platform::SoundBuffer* CResourceHolder::LoadMusic(const std::string& path)
{
    platform::SoundBuffer* music = LoadSound(path);
    if (music != nullptr) music->SetGroup(platform::SoundGroup::Music);
    return music;
}

std::unique_ptr<platform::SoundBuffer> CResourceHolder::TakeSound(const platform::SoundBuffer* sound)
{
    const auto it = std::find_if(mSounds.begin(), mSounds.end(), [sound](const auto& own) { return own.get() == sound; });
    if (it == mSounds.end()) return nullptr;
    std::unique_ptr<platform::SoundBuffer> taken = std::move(*it);
    mSounds.erase(it);
    return taken;
}

void CResourceHolder::ReleaseAll()
{
    mSounds.clear();
    mTextures.clear();
}
