#pragma once
// What the drawing handles point to, inside the layer: bitmaps (QImage at the screen's pixel ratio),
// fonts (QFont with the LOGFONT they came from), brushes (a colour), icons and cursors.

#include "platform/core/Resources.h"
#include "platform/gdi/Gdi.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <memory>

namespace layer {

struct GdiObject {
    enum class Kind { Bitmap, Font, Brush };
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    CGdiObject* owner = nullptr;             // the object that owns the handle, if any
    std::unique_ptr<CGdiObject> wrapper;     // made by FromHandle for a handle without owner
    int selectCount = 0;                     // contexts that have it selected
};

struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(Kind::Bitmap) {}
    QImage image; // device pixels; devicePixelRatio set, so painting uses logical pixels
    int width = 0;  // logical
    int height = 0; // logical
};

struct FontObject : GdiObject {
    FontObject() : GdiObject(Kind::Font) {}
    LOGFONT logFont{};
    QFont font;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(Kind::Brush) {}
    COLORREF color = 0;
};

// Creates and registers; DeleteGdi unregisters and frees. AsXxx answers null for a dead or other handle.
BitmapObject* NewBitmap();
FontObject* NewFont();
BrushObject* NewBrush(COLORREF color);
bool DeleteGdi(void* handle);
// A handle whose owner went away while a context had it selected is freed when no context holds it.
void ReleaseSelection(void* handle);
GdiObject* AsGdi(const void* handle);
BitmapObject* AsBitmap(const void* handle);
FontObject* AsFont(const void* handle);
BrushObject* AsBrush(const void* handle);

// A picture of w × h logical pixels at ratio dpr, black.
QImage NewImage(int w, int h, qreal dpr);
// The screen's device-pixel ratio (1 on the offscreen platform unless asked otherwise).
qreal ScreenPixelRatio();
// A compiled picture as an image over its pixels (no copy); null when its size and pixels disagree.
QImage ImageOfPixels(const PixelImage& picture, QImage::Format format);
// A picture from the program's bitmap resources; the 2x picture when dpr > 1 and there is one (decoded
// on its first load, then shared for the run).
QImage LoadResourceImage(int id, qreal dpr);

// Fonts: "굴림" and the other classic Korean faces resolve to the first installed of Baekmuk Gulim,
// NanumGothic, Noto Sans CJK KR; every font falls back to those for Korean text.
QFont FontFromLogFont(const LOGFONT& lf);
// 굴림 at the pixel height of `points` at 96 dpi (9 pt: 12 px), weight 400.
QFont DialogFont(int points = 9);
LOGFONT DialogLogFont(int points = 9);

// Icons and cursors (HICON / HCURSOR)
struct IconObject {
    QIcon icon;
    QIcon windowIcon; // the sizes up to 64 pixels (see IconFromResource)
    QPixmap pixmap;   // 32 × 32 logical
    bool isCursor = false;
    Qt::CursorShape shape = Qt::ArrowCursor;
};
HICON IconFromResource(int id); // cached; null when missing
HCURSOR StandardCursor(int id); // IDC_ id; null when unknown
IconObject* AsIcon(HICON handle);

QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);
QRect ToQRect(const RECT& r);

// The stock objects that a new context starts with.
CFont* StockFont();
CBitmap* StockBitmap();
CBrush* StockWhiteBrush();

} // namespace layer
