#pragma once
#include <string>
#include <vector>

#include "platform/HeadlessDevice.h"
#include "platform/RecordingSprite.h"

using DrawCall = platform::RecordingSprite::DrawCall;

// The file name (without its folder) of the picture a recorded draw used.
inline std::string DrawnFile(const DrawCall& draw)
{
    const auto* texture = dynamic_cast<const platform::HeadlessTexture*>(draw.texture);
    if (texture == nullptr) return {};
    const std::string& path = texture->Path();
    return path.substr(path.find_last_of('/') + 1);
}

// The recorded draws of one picture, in drawing order.
inline std::vector<DrawCall> DrawsOf(const std::vector<DrawCall>& draws, const std::string& file)
{
    std::vector<DrawCall> found;
    for (const DrawCall& draw : draws) {
        if (DrawnFile(draw) == file) found.push_back(draw);
    }
    return found;
}

// Where a draw puts the top-left pixel of its source rectangle on the screen.
inline platform::Vec2 DrawnTopLeft(const DrawCall& draw)
{
    platform::Vec2 at;
    draw.transform.TransformPoint(-draw.center.x, -draw.center.y, at.x, at.y);
    return at;
}
