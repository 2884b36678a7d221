// The main window on a screen of twice the density (the tests run with QT_SCALE_FACTOR=2; FractionalScaleTest
// runs at 1.5): every calculator, the menu button, the window buttons and the skin show their 2x pictures
// pixel for pixel, and the pages' texts are drawn at the doubled size with the screen's own pixels, not
// enlarged from a picture drawn at the normal size.

#include "ShownMainWindow.h"

#include "app/CalorieDlg.h"
#include "app/PageModel.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"
#include "food/FoodView.h"
#include "platform/core/Resources.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/testing/DrawRecorder.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <QImage>
#include <QPainter>
#include <QStaticText>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kScale = 2;
constexpr CPoint kTitleOrigin{215, 100};
constexpr CPoint kMenuOrigin[] = {{65, 153}, {65, 214}, {65, 275}, {65, 336}, {65, 397}};

QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Bitmap `id` as compiled, at 1x or 2x.
QImage Picture(int id, int scale)
{
    const ImageResource* res = FindBitmapResource(id);
    if (!res) {
        return {};
    }
    if (scale == 2) {
        return QImage::fromData(res->png2x.data(), int(res->png2x.size()), "PNG").convertToFormat(QImage::Format_RGB32);
    }
    const PixelImage& p = res->image;
    return QImage(p.pixels.data(), p.width, p.height, p.width * 4, QImage::Format_RGB32);
}

// `part` of the window's device picture, at logical point `at`, holds exactly the 2x picture `art`;
// and the 2x picture is not just the 1x picture enlarged, so the match shows the finer art in use.
::testing::AssertionResult ShowsDoubleArt(const QImage& window, CPoint at, const QImage& art, const QImage& normal)
{
    if (art.isNull() || art.size() != normal.size() * kScale) {
        return ::testing::AssertionFailure() << "no 2x picture of the right size";
    }
    if (art == normal.scaled(art.size())) {
        return ::testing::AssertionFailure() << "the 2x picture adds no detail to the 1x one";
    }
    const QImage shown = window.copy(at.x * kScale, at.y * kScale, art.width(), art.height()).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            if (shown.pixel(x, y) != art.pixel(x, y)) {
                return ::testing::AssertionFailure() << "differs from the 2x picture at device pixel (" << x << ", " << y << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

QImage Frame(const QImage& strip, int frame)
{
    const int w = strip.width() / 3;
    return strip.copy(frame * w, 0, w, strip.height());
}

// The text as the font draws it at the screen's density: `label` drawn with its own face, size and
// colour onto `background`, into a picture of `size` device pixels at twice the density.
QImage ReferenceText(const DrawnText& label, QSize size, QRgb background)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(kScale);
    image.fill(background);
    QFont font(QString::fromStdString(label.face));
    font.setPixelSize(label.fontHeight);
    font.setWeight(static_cast<QFont::Weight>(label.weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    QStaticText text(QString::fromStdString(label.text));
    text.setTextFormat(Qt::PlainText);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(Rgb(label.color)));
    painter.drawStaticText(QPoint(0, 0), text);
    return image;
}

// How many pixels of `shown` differ from `expected` by more than a rounding step in some channel.
int DifferingPixels(const QImage& shown, const QImage& expected)
{
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                         std::abs(qBlue(a) - qBlue(b)) > 2;
        }
    }
    return differing;
}

// A rough width of a drawn text at 1x: Korean syllables are as wide as the font is tall, others about half.
int ApproximateWidth(const std::string& text, int fontHeight)
{
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length == 3 ? fontHeight : fontHeight / 2 + 1;
        i += length;
    }
    return width;
}

class HighDpiTest : public ShownMainWindow<> {
protected:

    // Where the client area's origin lies in the window's picture (inside its frame line).
    CPoint ClientOrigin()
    {
        CRect window;
        m_dlg.GetWindowRect(&window);
        CPoint origin(0, 0);
        m_dlg.ClientToScreen(&origin);
        return {origin.x - window.left, origin.y - window.top};
    }

    // The window's picture in device pixels, frame line included.
    QImage Grab(const std::string& name)
    {
        const std::string path = ::testing::TempDir() + "high-dpi-" + name + ".png";
        return uitest::SaveImage(&m_dlg, path) ? QImage(QString::fromStdString(path)) : QImage();
    }

};

class HighDpiPageTest : public HighDpiTest, public ::testing::WithParamInterface<PageId> {};

TEST_F(HighDpiTest, SkinAndWindowButtonsShowTheirDoublePictures)
{
    const QImage window = Grab("skin");
    ASSERT_EQ(window.size(), QSize(780 * kScale, 530 * kScale));
    // The logo corner of the skin, which no child window covers.
    const QImage skin2x = Picture(IDB_SKIN, 2).copy(40 * kScale, 50 * kScale, 140 * kScale, 80 * kScale);
    const QImage skin1x = Picture(IDB_SKIN, 1).copy(40, 50, 140, 80);
    const CPoint origin = ClientOrigin();
    EXPECT_TRUE(ShowsDoubleArt(window, origin + CPoint(40, 50), skin2x, skin1x));
    for (auto [id, bitmap] : {std::pair{IDCANCEL, IDB_BTN_MINIMIZE}, std::pair{IDOK, IDB_BTN_CLOSE}}) {
        const CRect at = uitest::ControlRect(&m_dlg, id);
        ASSERT_FALSE(at.IsRectEmpty()) << id;
        EXPECT_TRUE(ShowsDoubleArt(window, origin + at.TopLeft(), Frame(Picture(bitmap, 2), 0), Frame(Picture(bitmap, 1), 0)))
            << "button " << id;
    }
}

// The 2x pictures are compiled in as PNG: a denser screen decodes each once, and every later load (the
// buttons load their strip on every paint) shares those pixels; a normal screen draws the 1x pixels.
TEST(DoublePictureTest, IsDecodedOnceAndSharedByEveryLoad)
{
    const QImage first = layer::LoadResourceImage(IDB_BTN_CLOSE, 2.0);
    EXPECT_EQ(first.devicePixelRatio(), 2.0);
    EXPECT_EQ(first, Picture(IDB_BTN_CLOSE, 2));
    EXPECT_EQ(layer::LoadResourceImage(IDB_BTN_CLOSE, 2.0).cacheKey(), first.cacheKey());
    EXPECT_EQ(layer::LoadResourceImage(IDB_BTN_CLOSE, 1.5).cacheKey(), first.cacheKey());

    const QImage normal = layer::LoadResourceImage(IDB_BTN_CLOSE, 1.0);
    EXPECT_EQ(normal.devicePixelRatio(), 1.0);
    EXPECT_EQ(normal, Picture(IDB_BTN_CLOSE, 1));
}

TEST_P(HighDpiPageTest, ShowsDoubleArtAndTextAtDoubleSize)
{
    const PageId page = GetParam();
    CDrawRecorder texts;
    ASSERT_TRUE(uitest::Click(&m_dlg, MenuButtonId(page)));
    CWnd* shownPage = m_dlg.Page(page);
    shownPage->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const QImage window = Grab(std::to_string(MenuButtonId(page)));
    ASSERT_EQ(window.size(), QSize(780 * kScale, 530 * kScale));

    const CPoint client = ClientOrigin();
    const int title = TitleBitmapId(page);
    EXPECT_TRUE(ShowsDoubleArt(window, client + kTitleOrigin, Picture(title, 2), Picture(title, 1))) << "title " << title;
    // The selected menu button's plate, left of its caption.
    const int menu = static_cast<int>(page);
    EXPECT_TRUE(ShowsDoubleArt(window, client + kMenuOrigin[menu], Picture(IDB_MENU_SELECTED, 2).copy(0, 0, 24, 94),
                               Picture(IDB_MENU_SELECTED, 1).copy(0, 0, 12, 47)));

    // A grey label of the page: found where the page drew it, checked in the window's device pixels.
    const std::vector<DrawnText> drawn = texts.EntriesFor(shownPage->m_hWnd);
    const auto label = std::find_if(drawn.begin(), drawn.end(), [](const DrawnText& t) {
        return t.color == kLabelColor && !t.text.empty() && static_cast<unsigned char>(t.text[0]) >= 0xE0;
    });
    ASSERT_NE(label, drawn.end()) << "the page drew no grey Korean label";
    EXPECT_EQ(label->fontHeight, 12) << "the page asks for 9 points; the screen doubles them";
    CPoint origin(label->x, label->y);
    shownPage->ClientToScreen(&origin);
    m_dlg.ScreenToClient(&origin);
    origin += client;
    const int width = ApproximateWidth(label->text, label->fontHeight);
    const QImage box = window.copy(origin.x * kScale, origin.y * kScale, width * kScale, label->fontHeight * 3 / 2 * kScale)
                           .convertToFormat(QImage::Format_RGB32);
    const QRgb background = box.pixel(0, 0) | 0xff000000;
    const QImage expected = ReferenceText(*label, box.size(), background);
    ASSERT_GT(DifferingPixels(expected, QImage(box.size(), QImage::Format_RGB32)), 0);
    EXPECT_EQ(DifferingPixels(box, expected), 0) << label->text;

    // The same label drawn at 1x and enlarged, smoothly or pixel for pixel, as a blurred page would
    // show it, is told apart.
    const QImage normal = expected.scaled(expected.size() / kScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(DifferingPixels(normal.scaled(box.size()), expected), 0);
    EXPECT_GT(DifferingPixels(normal.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), expected), 0);
}

// At one and a half times the density (this binary's FractionalScaleTest runs with QT_SCALE_FACTOR=1.5) the
// 2x pictures are drawn smaller, filtered: the window buttons show colours between those of their 2x
// art, which a copy that drops every fourth pixel never shows.
using FractionalScaleTest = HighDpiTest;

TEST_F(FractionalScaleTest, ThePicturesAreFilteredNotThinnedOut)
{
    const QImage window = Grab("one-and-a-half");
    ASSERT_EQ(window.size(), QSize(780 * 3 / 2, 530 * 3 / 2));
    const CPoint origin = ClientOrigin();
    for (auto [id, bitmap] : {std::pair{IDCANCEL, IDB_BTN_MINIMIZE}, std::pair{IDOK, IDB_BTN_CLOSE}}) {
        const QImage art = Frame(Picture(bitmap, 2), 0);
        std::set<QRgb> artColours;
        for (int y = 0; y < art.height(); ++y) {
            for (int x = 0; x < art.width(); ++x) {
                artColours.insert(art.pixel(x, y));
            }
        }
        // The button's inside in device pixels, a pixel in from its edges.
        const CRect at = uitest::ControlRect(&m_dlg, id) + origin;
        const QImage shown = window.copy(at.left * 3 / 2 + 2, at.top * 3 / 2 + 2, at.Width() * 3 / 2 - 4, at.Height() * 3 / 2 - 4)
                                 .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(shown.isNull()) << "button " << id;
        int between = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                between += !artColours.contains(shown.pixel(x, y));
            }
        }
        EXPECT_GT(between, shown.width() * shown.height() / 10) << "button " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCalculator, HighDpiPageTest, ::testing::ValuesIn(kPageIds),
                         [](const auto& info) { return std::to_string(MenuButtonId(info.param)); });

} // namespace
