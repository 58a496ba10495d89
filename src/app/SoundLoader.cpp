#include <cstdio>

#include "app/GameFrame.h"

// Until the wave reader is in, sounds stay silent (null) and say so once each.
void CGameFrameConstruct::LoadSound(std::unique_ptr<platform::SoundBuffer>& out, const std::string& path)
{
    out.reset();
    std::fprintf(stderr, "zem: %s: sound loading is not built yet\n", path.c_str());
}
