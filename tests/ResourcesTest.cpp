// The compiled resources: every picture the program draws is there with the size its button or
// place needs, whole (its 2x picture an intact PNG), and the strings read exactly.

#include "platform/core/Resources.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <span>
#include <string_view>

namespace {

// The alpha of pixel (x, y): pixels are 0xAARRGGBB words in the machine's byte order.
unsigned Alpha(const PixelImage& image, int x, int y)
{
    std::uint32_t word = 0;
    std::memcpy(&word, image.pixels.data() + (std::size_t(y) * image.width + x) * 4, sizeof word);
    return word >> 24;
}

// Every pixel is there (so a cut-off copy fails) and, for a bitmap, opaque.
::testing::AssertionResult IsWhole(const PixelImage& image, int width, int height, bool opaque)
{
    if (image.width != width || image.height != height)
        return ::testing::AssertionFailure() << image.width << " x " << image.height << ", not " << width << " x " << height;
    if (image.pixels.size() != std::size_t(width) * height * 4)
        return ::testing::AssertionFailure() << image.pixels.size() << " bytes of pixels";
    for (int y = 0; opaque && y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (Alpha(image, x, y) != 255)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is not opaque";
    return ::testing::AssertionSuccess();
}

struct PngHeader {
    int width = 0;
    int height = 0;
    int colourType = -1; // 2: RGB, 6: RGB with alpha
};

int BigEndian32(std::span<const unsigned char> bytes, std::size_t at)
{
    return int(std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 | std::uint32_t(bytes[at + 2]) << 8 |
               std::uint32_t(bytes[at + 3]));
}

// Checks the signature, a leading IHDR chunk and a closing IEND chunk (so a cut-off copy fails),
// and reads the header.
::testing::AssertionResult ReadPng(std::span<const unsigned char> png, PngHeader& header)
{
    constexpr std::array<unsigned char, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    constexpr std::array<unsigned char, 12> kIend{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    if (png.size() < 8 + 25 + 12)
        return ::testing::AssertionFailure() << "only " << png.size() << " bytes";
    if (!std::equal(kSignature.begin(), kSignature.end(), png.begin()))
        return ::testing::AssertionFailure() << "no PNG signature";
    if (BigEndian32(png, 8) != 13 || std::string_view(reinterpret_cast<const char*>(&png[12]), 4) != "IHDR")
        return ::testing::AssertionFailure() << "first chunk is not a 13-byte IHDR";
    if (!std::equal(kIend.begin(), kIend.end(), png.end() - kIend.size()))
        return ::testing::AssertionFailure() << "does not end with IEND";
    header.width = BigEndian32(png, 16);
    header.height = BigEndian32(png, 20);
    header.colourType = png[25];
    return ::testing::AssertionSuccess();
}

struct BitmapCase {
    int id;
    int width;
    int height;
};

// Every bitmap the program draws, with its size at 1x.
constexpr std::array<BitmapCase, 17> kBitmaps{{
    {IDB_SKIN, 780, 530},
    {IDB_TAB_DIARY, 234, 63},
    {IDB_TAB_BODY, 234, 63},
    {IDB_TAB_RELAY, 234, 63},
    {IDB_TAB_SHOP, 234, 63},
    {IDB_MENU_SELECTED, 106, 47},
    {IDB_FOOD_HEADER, 446, 28},
    {IDB_BTN_OK, 99, 20},
    {IDB_BTN_RESET, 165, 20},
    {IDB_TITLE_FOOD, 154, 31},
    {IDB_TITLE_EXERCISE, 154, 31},
    {IDB_TITLE_RECOMMEND, 154, 31},
    {IDB_TITLE_BMI, 154, 31},
    {IDB_TITLE_WAISTHIP, 154, 31},
    {IDB_BTN_DELETE, 291, 20},
    {IDB_BTN_MINIMIZE, 39, 13},
    {IDB_BTN_CLOSE, 39, 13},
}};

void PrintTo(const BitmapCase& bitmap, std::ostream* out)
{
    *out << "bitmap " << bitmap.id << " (" << bitmap.width << " x " << bitmap.height << ")";
}

class BitmapTest : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapTest, IsAnOpaquePictureOfItsSizeAtOneAndTwoTimes)
{
    const BitmapCase& expected = GetParam();
    const ImageResource* bitmap = FindBitmapResource(expected.id);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->id, expected.id);
    // Bitmaps are drawn by plain copy: they carry no transparency.
    EXPECT_TRUE(IsWhole(bitmap->image, expected.width, expected.height, true));
    PngHeader doubled;
    ASSERT_TRUE(ReadPng(bitmap->png2x, doubled));
    EXPECT_EQ(doubled.width, 2 * expected.width);
    EXPECT_EQ(doubled.height, 2 * expected.height);
    EXPECT_EQ(doubled.colourType, 2);
}

INSTANTIATE_TEST_SUITE_P(ProgramBitmaps, BitmapTest, ::testing::ValuesIn(kBitmaps),
                         [](const auto& info) { return std::to_string(info.param.id); });

TEST(BitmapLookup, IdsWithoutAPictureFindNothing)
{
    // 135 and 140 are dialog templates, 137 is unused; 128 is the icon, not a bitmap.
    for (int id : {0, -1, 100, 128, 135, 137, 140, 149, 0xE000})
        EXPECT_EQ(FindBitmapResource(id), nullptr) << id;
}

TEST(BitmapLookup, EveryBitmapHasItsOwnPicture)
{
    // A table that pointed two ids at the same bytes would show the wrong picture.
    for (std::size_t i = 0; i < kBitmaps.size(); ++i)
        for (std::size_t j = i + 1; j < kBitmaps.size(); ++j) {
            const auto a = FindBitmapResource(kBitmaps[i].id)->image.pixels;
            const auto b = FindBitmapResource(kBitmaps[j].id)->image.pixels;
            EXPECT_FALSE(std::ranges::equal(a, b)) << kBitmaps[i].id << " and " << kBitmaps[j].id;
        }
}

TEST(IconLookup, ProgramIconComesInEverySizeSmallestFirst)
{
    constexpr std::array<int, 7> kSizes{16, 24, 32, 48, 64, 128, 256};
    const auto images = IconImages(IDI_MAINFRAME);
    ASSERT_EQ(images.size(), kSizes.size());
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        EXPECT_EQ(images[i].id, IDI_MAINFRAME);
        ASSERT_TRUE(IsWhole(images[i].image, kSizes[i], kSizes[i], false)) << kSizes[i];
        EXPECT_EQ(Alpha(images[i].image, 0, 0), 0u) << "an icon keeps its transparent corners";
        EXPECT_EQ(Alpha(images[i].image, kSizes[i] / 2, kSizes[i] / 2), 255u) << kSizes[i];
    }
}

TEST(IconLookup, FindIconGivesTheLargestImage)
{
    const ImageResource* icon = FindIconResource(IDI_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->image.width, 256);
    EXPECT_EQ(icon->image.height, 256);
}

TEST(IconLookup, UnknownIconFindsNothing)
{
    for (int id : {0, 127, 129}) {
        EXPECT_EQ(FindIconResource(id), nullptr) << id;
        EXPECT_TRUE(IconImages(id).empty()) << id;
    }
}

TEST(StringLookup, StringsReadExactly)
{
    EXPECT_EQ(FindStringResource(IDS_ABOUTBOX), "Vintora 정보(&A)...");
    EXPECT_EQ(FindStringResource(IDS_APP_TITLE), "칼로리 계산기");
    EXPECT_EQ(IDS_APP_TITLE, 57344);
}

TEST(StringLookup, UnknownStringIsEmpty)
{
    for (int id : {0, 100, 102, 57345})
        EXPECT_TRUE(FindStringResource(id).empty()) << id;
}

} // namespace
