// Lookups of the compiled pictures by resource id.

#include "platform/core/Resources.h"
#include "res/EmbeddedImages.h"

#include <algorithm>

const ImageResource* FindBitmapResource(int id)
{
    const auto bitmaps = EmbeddedBitmaps();
    const auto it = std::ranges::find(bitmaps, id, &ImageResource::id);
    return it == bitmaps.end() ? nullptr : &*it;
}

std::span<const ImageResource> IconImages(int id)
{
    const auto icons = EmbeddedIcons();
    const auto it = std::ranges::find(icons, id, &EmbeddedIcon::id);
    return it == icons.end() ? std::span<const ImageResource>() : it->images;
}

const ImageResource* FindIconResource(int id)
{
    const auto images = IconImages(id);
    return images.empty() ? nullptr : &images.back();
}
