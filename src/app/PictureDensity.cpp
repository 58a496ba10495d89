#include "app/PictureDensity.h"

namespace {

const DensePicture* Find(std::string_view path)
{
    for (const DensePicture& picture : kDensePictures) {
        const std::string_view known = picture.path;
        // The game's relative path, or the same file under a folder given in front of it.
        if (path == known || (path.size() > known.size() && path.ends_with(known) &&
                              path[path.size() - known.size() - 1] == '/')) {
            return &picture;
        }
    }
    return nullptr;
}

} // namespace

int DesignedDensity(std::string_view path)
{
    const DensePicture* picture = Find(path);
    return picture != nullptr ? picture->density : 1;
}

int PictureDensity(std::string_view path, int width, int height)
{
    const DensePicture* picture = Find(path);
    if (picture == nullptr) return 1;
    const bool designed =
        width == picture->layoutWidth * picture->density && height == picture->layoutHeight * picture->density;
    return designed ? picture->density : 1;
}
