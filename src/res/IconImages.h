#pragma once
// Every size of an icon resource, for windows that pick the best size themselves.

#include "ui/platform/Resources.h"

#include <span>

// The images of icon `id` from the smallest to the largest (16 to 256 px squares for the program
// icon), or an empty span when there is no such icon. FindIconResource gives the largest.
std::span<const ImageResource> IconImages(int id);
