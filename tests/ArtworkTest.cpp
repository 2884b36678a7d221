// The compiled pictures fit together on the screen: button frames continue the skin they cover,
// the menu column and plate match the menu buttons' own fill, titles sit on the white sheet,
// and every button strip changes look when hovered and pressed. Checked at 1x and 2x.

#include "platform/core/Resources.h"
#include "res/Resource.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <array>

namespace {

const QColor kMenuColor(181, 209, 72);

QImage Load(int id, int scale)
{
    const ImageResource* bitmap = FindBitmapResource(id);
    if (bitmap == nullptr)
        return {};
    if (scale == 2)
        return QImage::fromData(bitmap->png2x.data(), int(bitmap->png2x.size()), "PNG").convertToFormat(QImage::Format_RGB32);
    const PixelImage& picture = bitmap->image;
    return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGB32);
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

class ArtworkTest : public ::testing::TestWithParam<int> {
protected:
    int scale() const { return GetParam(); }
    QImage skin() const { return Load(IDB_SKIN, scale()); }
    // Frame `frame` (0 normal, 1 hover, 2 pressed) of strip `id`.
    QImage frame(int id, int frame) const
    {
        const QImage strip = Load(id, scale());
        const int w = strip.width() / 3;
        return strip.copy(frame * w, 0, w, strip.height());
    }
};

TEST_P(ArtworkTest, TabsInTheirNormalLookAreTheSkinUnderThem)
{
    const QImage face = skin();
    ASSERT_FALSE(face.isNull());
    constexpr std::array<int, 4> kTabY{99, 162, 225, 288};
    for (int i = 0; i < 4; ++i) {
        const QImage normal = frame(IDB_TAB_DIARY + i, 0);
        const QImage under = face.copy(702 * scale(), kTabY[i] * scale(), 78 * scale(), 63 * scale());
        EXPECT_EQ(normal, under) << "tab " << i;
    }
}

TEST_P(ArtworkTest, WindowButtonsKeepTheCoverAtTheirCorners)
{
    const QImage face = skin();
    for (auto [id, x] : {std::pair{IDB_BTN_MINIMIZE, 742}, std::pair{IDB_BTN_CLOSE, 757}})
        for (int f = 0; f < 3; ++f) {
            const QImage button = frame(id, f);
            EXPECT_EQ(Pixel(button, 0, 0), Pixel(face, x * scale(), 4 * scale())) << id << " frame " << f;
            const int last = 13 * scale() - 1;
            EXPECT_EQ(Pixel(button, last, last), Pixel(face, x * scale() + last, 4 * scale() + last))
                << id << " frame " << f;
        }
}

TEST_P(ArtworkTest, MenuColumnAndPlateMatchTheMenuButtonsFill)
{
    const QImage face = skin();
    constexpr std::array<int, 5> kMenuY{153, 214, 275, 336, 397};
    for (int y : kMenuY) {
        const int mid = (y + 23) * scale();
        EXPECT_EQ(Pixel(face, 64 * scale(), mid), kMenuColor) << "left of the button at y " << y;
        EXPECT_EQ(Pixel(face, 171 * scale(), mid), kMenuColor) << "right of the button at y " << y;
    }
    const QImage plate = Load(IDB_MENU_SELECTED, scale());
    const int right = plate.width() - 1, bottom = plate.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(Pixel(plate, corner.x(), corner.y()), kMenuColor);
}

TEST_P(ArtworkTest, TitlesSitOnTheWhiteSheetAndContinueItsRule)
{
    const QImage face = skin();
    for (int id = IDB_TITLE_FOOD; id <= IDB_TITLE_WAISTHIP; ++id) {
        const QImage title = Load(id, scale());
        EXPECT_EQ(Pixel(title, title.width() - 1, 0), QColor(Qt::white)) << id;
        // The rule under the title runs on along the sheet at the same height and colour.
        const int ruleY = 28 * scale();
        EXPECT_EQ(Pixel(title, title.width() - 1, ruleY), Pixel(face, 370 * scale(), (100 + 28) * scale())) << id;
    }
    // Around the title and the pages the sheet is white.
    EXPECT_EQ(Pixel(face, 214 * scale(), 135 * scale()), QColor(Qt::white));
    EXPECT_EQ(Pixel(face, 690 * scale(), 250 * scale()), QColor(Qt::white));
}

TEST_P(ArtworkTest, EveryStripChangesLookWhenHoveredAndPressed)
{
    for (int id : {IDB_TAB_DIARY, IDB_TAB_BODY, IDB_TAB_RELAY, IDB_TAB_SHOP, IDB_BTN_OK, IDB_BTN_RESET,
                   IDB_BTN_DELETE, IDB_BTN_MINIMIZE, IDB_BTN_CLOSE}) {
        const QImage normal = frame(id, 0), hover = frame(id, 1), pressed = frame(id, 2);
        EXPECT_NE(normal, hover) << id;
        EXPECT_NE(normal, pressed) << id;
        EXPECT_NE(hover, pressed) << id;
    }
}

TEST_P(ArtworkTest, FoodHeaderIsLightBlue)
{
    const QImage header = Load(IDB_FOOD_HEADER, scale());
    const QColor middle = Pixel(header, 20 * scale(), 14 * scale());
    EXPECT_GT(middle.blue(), middle.red());
    EXPECT_GT(middle.lightness(), 180);
}

INSTANTIATE_TEST_SUITE_P(Scales, ArtworkTest, ::testing::Values(1, 2),
                         [](const auto& info) { return std::to_string(info.param) + "x"; });

} // namespace
