#pragma once
// Resources compiled into the executable and looked up by numeric id, as a module's resources
// are. The layer declares the lookups; the program's src/res defines them.

#include <span>
#include <string_view>

// One picture, ready to draw: 32-bit pixels 0xAARRGGBB in the machine's byte order (bitmaps opaque,
// icons premultiplied), rows top to bottom without padding, width × height × 4 bytes.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::span<const unsigned char> pixels; // empty when there is no such picture
};

// One picture resource: its pixels at 1x and, where the artwork has one, its 2x picture for high-DPI
// screens as PNG bytes, decoded only when such a screen asks for it.
struct ImageResource {
    int id;
    PixelImage image;
    std::span<const unsigned char> png2x; // empty when there is no 2x picture
};

// Bitmap resource `id`, or nullptr when the program has none with that id.
const ImageResource* FindBitmapResource(int id);

// Icon resource `id` (its largest image), or nullptr.
const ImageResource* FindIconResource(int id);
// Every image of icon `id` from the smallest to the largest (16 to 256 px squares for the program icon),
// for windows that pick the best size themselves; an empty span when there is no such icon.
std::span<const ImageResource> IconImages(int id);

// String table entry `id` (UTF-8), or an empty view when there is none.
std::string_view FindStringResource(int id);
