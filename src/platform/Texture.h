#pragma once

namespace platform {

// An image loaded whole at its own pixel size. Made by a Device, owned by whoever loaded it.
class Texture {
public:
    virtual ~Texture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

} // namespace platform
