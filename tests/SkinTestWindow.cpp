#include "SkinTestWindow.h"

#include "platform/testing/TestDriver.h"
#include "ui/BufferedPaintDC.h"
#include "ui/SkinDraw.h"

#include <QImage>

#include <map>

BEGIN_MESSAGE_MAP(CSkinTestWindow, CDialog)
    ON_WM_ERASEBKGND_SUPPRESSED()
    ON_WM_PAINT()
END_MESSAGE_MAP()

bool CSkinTestWindow::Open() { return CreateIndirect(*GetTemplate()) && uitest::ShowAndActivate(this); }

void CSkinTestWindow::Place(int id, int x, int y, int cx, int cy)
{
    if (CWnd* control = GetDlgItem(id)) {
        control->MoveWindow(x, y, cx, cy);
    }
}

bool CSkinTestWindow::MovePointerIn(CPoint freePoint)
{
    return uitest::MoveTo(this, freePoint - CSize(10, 0)) && uitest::MoveTo(this, freePoint);
}

void CSkinTestWindow::DoDataExchange(CDataExchange* pDX)
{
    for (auto& [id, control] : bindings) {
        DDX_Control(pDX, id, *control);
    }
}

void CSkinTestWindow::OnPaint()
{
    ++paintCount;
    CBufferedPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, background);
    if (paint) {
        paint(dc, client);
    }
}

DialogTemplate SkinTestTemplate(int cx, int cy, std::span<const DialogControl> controls)
{
    return DialogTemplate{0, WS_POPUP | DS_SETFONT, 0, cx, cy, "", "굴림", 9, controls};
}

namespace {

const QImage& ResourceImage(int id)
{
    static std::map<int, QImage> cache;
    auto it = cache.find(id);
    if (it == cache.end()) {
        QImage image;
        if (const ImageResource* res = FindBitmapResource(id)) {
            image = QImage(res->image.pixels.data(), res->image.width, res->image.height, res->image.width * 4,
                           QImage::Format_RGB32);
        }
        it = cache.emplace(id, std::move(image)).first;
    }
    return it->second;
}

} // namespace

CSize ResourceSize(int id)
{
    const QImage& image = ResourceImage(id);
    return {image.width(), image.height()};
}

COLORREF ResourcePixel(int id, int x, int y)
{
    const QColor c = ResourceImage(id).pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

FrameProbe FindFrameProbe(int stripId)
{
    const CSize size = ResourceSize(stripId);
    const int frame = size.cx / 3;
    for (int y = size.cy / 4; y < size.cy; ++y) {
        for (int x = frame / 4; x < frame; ++x) {
            const COLORREF a = ResourcePixel(stripId, x, y);
            const COLORREF b = ResourcePixel(stripId, x + frame, y);
            const COLORREF c = ResourcePixel(stripId, x + size.cx - frame, y);
            if (a != b && b != c && a != c) {
                return {CPoint(x, y), a, b, c};
            }
        }
    }
    return {CPoint(-1, -1)};
}
