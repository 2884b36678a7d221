#include "platform/gdi/GdiObjects.h"

#include "platform/core/Observer.h"
#include "platform/core/Resources.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <map>
#include <mutex>
#include <unordered_set>

namespace layer {
namespace {

std::unordered_set<const void*>& LiveObjects()
{
    static auto* live = new std::unordered_set<const void*>();
    return *live;
}

template <class T>
T* Track(T* object)
{
    LiveObjects().insert(object);
    if (Observer* observer = CurrentObserver()) {
        observer->ObjectMade(object);
    }
    return object;
}

// The Korean sans serif faces in the order of preference; the font matching takes the first one that
// is installed.
const QStringList& KoreanFamilies()
{
    static const QStringList families{"Baekmuk Gulim", "NanumGothic", "Noto Sans CJK KR"};
    return families;
}

bool HasBoldFace(const QString& family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(), [&family](const QString& style) {
        return QFontDatabase::weight(family, style) >= QFont::DemiBold;
    });
}

// The same families with those installed with a real bold face first: emboldening Gulim's outlines
// smears its 12-pixel glyphs into one another, so bold text takes a drawn bold face when one exists.
const QStringList& KoreanBoldFamilies()
{
    static const QStringList families = [] {
        QStringList ordered = KoreanFamilies();
        std::stable_partition(ordered.begin(), ordered.end(), HasBoldFace);
        return ordered;
    }();
    return families;
}

constexpr int kLargestWindowIcon = 64;

// Faces of the classic Korean desktop that stand for the plain Korean sans serif.
bool IsClassicKoreanFace(const QString& face)
{
    static const QStringList faces{"",      "굴림",   "굴림체",  "Gulim",    "GulimChe", "돋움",
                                   "돋움체", "Dotum", "DotumChe", "System", "MS Sans Serif", "MS Shell Dlg"};
    return faces.contains(face, Qt::CaseInsensitive);
}

} // namespace

BitmapObject* NewBitmap() { return Track(new BitmapObject()); }
FontObject* NewFont() { return Track(new FontObject()); }

BrushObject* NewBrush(COLORREF color)
{
    auto* b = Track(new BrushObject());
    b->color = color;
    return b;
}

GdiObject* AsGdi(const void* handle)
{
    return handle && LiveObjects().count(handle) ? static_cast<GdiObject*>(const_cast<void*>(handle)) : nullptr;
}

BitmapObject* AsBitmap(const void* handle)
{
    GdiObject* g = AsGdi(handle);
    return g && g->kind == GdiObject::Kind::Bitmap ? static_cast<BitmapObject*>(g) : nullptr;
}

FontObject* AsFont(const void* handle)
{
    GdiObject* g = AsGdi(handle);
    return g && g->kind == GdiObject::Kind::Font ? static_cast<FontObject*>(g) : nullptr;
}

BrushObject* AsBrush(const void* handle)
{
    GdiObject* g = AsGdi(handle);
    return g && g->kind == GdiObject::Kind::Brush ? static_cast<BrushObject*>(g) : nullptr;
}

bool DeleteGdi(void* handle)
{
    GdiObject* g = AsGdi(handle);
    if (!g || g->selectCount > 0) {
        return false;
    }
    LiveObjects().erase(handle);
    if (Observer* observer = CurrentObserver()) {
        observer->ObjectDeleted(handle);
    }
    delete g;
    return true;
}

void ReleaseSelection(void* handle)
{
    GdiObject* g = AsGdi(handle);
    if (g && --g->selectCount == 0 && !g->owner) {
        DeleteGdi(handle);
    }
}

QImage NewImage(int w, int h, qreal dpr)
{
    QImage image(std::max(1, qRound(w * dpr)), std::max(1, qRound(h * dpr)), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::black);
    return image;
}

qreal ScreenPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QImage ImageOfPixels(const PixelImage& picture, QImage::Format format)
{
    if (picture.pixels.size() != std::size_t(picture.width) * std::size_t(picture.height) * 4) {
        return {};
    }
    // Drawn straight from the executable's pixels; a copy that someone draws on gets its own.
    return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 4, format);
}

QImage LoadResourceImage(int id, qreal dpr)
{
    const ImageResource* res = FindBitmapResource(id);
    if (!res) {
        return {};
    }
    if (dpr > 1.0 && !res->png2x.empty()) {
        // Each 2x picture is decoded once: the buttons load their strip on every paint. The images
        // share their pixels until someone draws on a copy, which then gets its own.
        static std::mutex mutex;
        static auto& decoded = *new std::map<int, QImage>();
        const std::lock_guard<std::mutex> lock(mutex);
        auto found = decoded.find(id);
        if (found == decoded.end()) {
            QImage image;
            image.loadFromData(res->png2x.data(), static_cast<int>(res->png2x.size()), "PNG");
            image = image.convertToFormat(QImage::Format_RGB32);
            image.setDevicePixelRatio(2.0);
            found = decoded.emplace(id, std::move(image)).first;
        }
        if (!found->second.isNull()) {
            return found->second;
        }
    }
    return ImageOfPixels(res->image, QImage::Format_RGB32); // a 2x picture that will not decode falls back to 1x
}

QFont FontFromLogFont(const LOGFONT& lf)
{
    const QString face = QString::fromUtf8(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, sizeof lf.lfFaceName)));
    const int weight = lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight;
    QStringList families = weight >= FW_SEMIBOLD ? KoreanBoldFamilies() : KoreanFamilies();
    if (!IsClassicKoreanFace(face)) {
        families.prepend(face);
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (lf.lfHeight < 0) {
        font.setPixelSize(-lf.lfHeight); // the character (em) height
    } else if (lf.lfHeight > 0) {
        // A cell height: ascent + descent of the font is lfHeight.
        font.setPixelSize(100);
        const int cell = QFontMetrics(font).height();
        font.setPixelSize(std::max(1, qRound(lf.lfHeight * 100.0 / std::max(1, cell))));
    } else {
        font.setPixelSize(12);
    }
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(weight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

LOGFONT DialogLogFont(int points)
{
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(points, 96, 72);
    lf.lfWeight = FW_NORMAL;
    const char face[] = "굴림";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return lf;
}

QFont DialogFont(int points) { return FontFromLogFont(DialogLogFont(points)); }

HICON IconFromResource(int id)
{
    // Icons live for the whole run, as shared icons do.
    static auto& cache = *new std::map<int, IconObject*>();
    if (auto it = cache.find(id); it != cache.end()) {
        return reinterpret_cast<HICON>(it->second);
    }
    const auto images = IconImages(id);
    if (images.empty()) {
        return nullptr;
    }
    auto* icon = new IconObject();
    for (const ImageResource& image : images) {
        const QImage pixels = ImageOfPixels(image.image, QImage::Format_ARGB32_Premultiplied);
        if (!pixels.isNull()) {
            const QPixmap pixmap = QPixmap::fromImage(pixels);
            icon->icon.addPixmap(pixmap);
            // A window hands the window manager the sizes it draws windows with (title bar, task bar,
            // switcher, up to 64 logical pixels); launchers take the installed icons. All seven sizes up
            // to 256 pixels would put a third of a megabyte on the wire as the window maps.
            if (pixels.width() <= kLargestWindowIcon * ScreenPixelRatio()) {
                icon->windowIcon.addPixmap(pixmap);
            }
        }
    }
    if (icon->windowIcon.isNull()) {
        icon->windowIcon = icon->icon;
    }
    icon->pixmap = icon->icon.pixmap(QSize(32, 32), ScreenPixelRatio());
    cache[id] = icon;
    return reinterpret_cast<HICON>(icon);
}

HCURSOR StandardCursor(int id)
{
    static const std::map<int, Qt::CursorShape> shapes{{32512, Qt::ArrowCursor}, {32513, Qt::IBeamCursor},
                                                       {32514, Qt::WaitCursor},  {32515, Qt::CrossCursor},
                                                       {32646, Qt::SizeAllCursor}, {32649, Qt::PointingHandCursor}};
    static auto& cache = *new std::map<int, IconObject*>();
    const auto shape = shapes.find(id);
    if (shape == shapes.end()) {
        return nullptr;
    }
    IconObject*& cursor = cache[id];
    if (!cursor) {
        cursor = new IconObject();
        cursor->isCursor = true;
        cursor->shape = shape->second;
    }
    return reinterpret_cast<HCURSOR>(cursor);
}

IconObject* AsIcon(HICON handle) { return reinterpret_cast<IconObject*>(handle); }

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

CFont* StockFont()
{
    static CFont* font = [] {
        auto* f = new CFont();
        const LOGFONT lf = DialogLogFont();
        f->CreateFontIndirect(&lf);
        return f;
    }();
    return font;
}

CBitmap* StockBitmap()
{
    static CBitmap* bitmap = [] {
        auto* b = new CBitmap();
        b->CreateBitmap(1, 1, 1, 32, nullptr);
        return b;
    }();
    return bitmap;
}

CBrush* StockWhiteBrush()
{
    static CBrush* brush = new CBrush(RGB(255, 255, 255));
    return brush;
}

} // namespace layer
