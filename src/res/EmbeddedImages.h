#pragma once
// The PNG files of this folder as compiled pixels (the 2x pictures as PNG bytes). Defined by the
// source that vintora_image_baker writes into the build folder; read only through the lookups of
// ImageResources.cpp.

#include "platform/core/Resources.h"

#include <span>

struct EmbeddedIcon {
    int id;
    std::span<const ImageResource> images; // ascending sizes
};

// Bitmaps in ascending id order.
std::span<const ImageResource> EmbeddedBitmaps();
std::span<const EmbeddedIcon> EmbeddedIcons();
