#include "platform/gdi/DC.h"

#include "platform/core/Observer.h"
#include "platform/gdi/DcState.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStaticText>

#include <algorithm>
#include <unordered_map>

using layer::AsDc;
using layer::DcState;

// CDC

CDC::~CDC()
{
    // A context this object created (a memory context) ends with it.
    if (DcState* s = AsDc(m_hDC); s && s->owner == this) {
        DeleteDC();
    }
}

CDC* CDC::FromHandle(HDC hDC)
{
    DcState* s = AsDc(hDC);
    if (!s) {
        return nullptr;
    }
    if (s->owner) {
        return s->owner;
    }
    if (!s->wrapper) {
        s->wrapper = std::make_unique<CDC>();
        s->wrapper->m_hDC = s->wrapper->m_hAttribDC = hDC;
    }
    return s->wrapper.get();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!AsDc(hDC) || m_hDC) {
        return FALSE;
    }
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseOutputDC() { m_hDC = nullptr; }
void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC) {
        return FALSE;
    }
    auto* state = new DcState();
    state->owner = this;
    state->memory = true;
    state->dpr = layer::ScreenPixelRatio();
    if (DcState* like = pDC ? AsDc(pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC->m_hDC) : nullptr) {
        state->window = like->window;
    }
    state->font = layer::StockFont()->m_hObject;
    state->brush = layer::StockWhiteBrush()->m_hObject;
    state->qfont = layer::FontFromLogFont(layer::DialogLogFont());
    state->logFont = layer::DialogLogFont();
    m_hDC = m_hAttribDC = layer::NewDc(state);
    SelectObject(layer::StockBitmap());
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    DcState* s = AsDc(m_hDC);
    if (!s || s->owner != this) {
        return FALSE;
    }
    layer::DeleteDc(m_hDC);
    m_hDC = m_hAttribDC = nullptr;
    return TRUE;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    DcState* s = AsDc(m_hDC);
    const layer::FontObject* f = pFont ? layer::AsFont(pFont->m_hObject) : nullptr;
    if (!s || !f) {
        return nullptr;
    }
    void* previous = std::exchange(s->font, pFont->m_hObject);
    s->qfont = f->font;
    s->logFont = f->logFont;
    return CFont::FromHandle(static_cast<HFONT>(previous));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    DcState* s = AsDc(m_hDC);
    layer::BitmapObject* b = pBitmap ? layer::AsBitmap(pBitmap->m_hObject) : nullptr;
    if (!s || !s->memory || !b) {
        return nullptr;
    }
    s->Flush();
    ++b->selectCount;
    void* previous = std::exchange(s->bitmap, pBitmap->m_hObject);
    s->width = b->width;
    s->height = b->height;
    CBitmap* answer = CBitmap::FromHandle(static_cast<HBITMAP>(previous));
    layer::ReleaseSelection(previous);
    return layer::AsGdi(previous) ? answer : nullptr;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    DcState* s = AsDc(m_hDC);
    if (!s || !pBrush || !layer::AsBrush(pBrush->m_hObject)) {
        return nullptr;
    }
    return CBrush::FromHandle(static_cast<HBRUSH>(std::exchange(s->brush, pBrush->m_hObject)));
}

CFont* CDC::GetCurrentFont() const
{
    DcState* s = AsDc(m_hDC);
    return s ? CFont::FromHandle(static_cast<HFONT>(s->font)) : nullptr;
}

CBitmap* CDC::GetCurrentBitmap() const
{
    DcState* s = AsDc(m_hDC);
    return s ? CBitmap::FromHandle(static_cast<HBITMAP>(s->bitmap)) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    DcState* s = AsDc(m_hDC);
    return s ? std::exchange(s->textColor, color) : 0;
}

COLORREF CDC::GetTextColor() const
{
    DcState* s = AsDc(m_hDC);
    return s ? s->textColor : 0;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    DcState* s = AsDc(m_hDC);
    return s ? std::exchange(s->bkColor, color) : 0;
}

COLORREF CDC::GetBkColor() const
{
    DcState* s = AsDc(m_hDC);
    return s ? s->bkColor : 0;
}

int CDC::SetBkMode(int nBkMode)
{
    DcState* s = AsDc(m_hDC);
    if (!s || (nBkMode != TRANSPARENT && nBkMode != OPAQUE)) {
        return 0;
    }
    return std::exchange(s->bkMode, nBkMode);
}

int CDC::GetBkMode() const
{
    DcState* s = AsDc(m_hDC);
    return s ? s->bkMode : 0;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    DcState* s = AsDc(m_hAttribDC ? m_hAttribDC : m_hDC);
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case HORZRES:
        return s ? s->width : 0;
    case VERTRES:
        return s ? s->height : 0;
    default:
        return 0;
    }
}

COLORREF CDC::GetPixel(int x, int y) const
{
    DcState* s = AsDc(m_hDC);
    layer::BitmapObject* surface = s && s->memory ? s->Surface() : nullptr;
    if (!surface || x < 0 || y < 0 || x >= surface->width || y >= surface->height) {
        return CLR_INVALID;
    }
    s->Flush(); // what has been drawn reaches the bitmap
    const QColor c = surface->image.pixelColor((QPointF(x, y) * surface->image.devicePixelRatio()).toPoint());
    return RGB(c.red(), c.green(), c.blue());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF color)
{
    FillSolidRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    DcState* s = AsDc(m_hDC);
    QPainter* p = s ? s->Paint() : nullptr;
    if (p && cx > 0 && cy > 0) {
        p->fillRect(QRect(x, y, cx, cy), layer::ToQColor(color));
    }
    if (s) {
        s->bkColor = color; // as the classic call does, it leaves the colour as the background colour
    }
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    DcState* s = AsDc(m_hDC);
    QPainter* p = s ? s->Paint() : nullptr;
    if (p && pBrush) {
        p->fillRect(QRect(QPoint(lpRect->left, lpRect->top), QPoint(lpRect->right - 1, lpRect->bottom - 1)),
                    layer::ToQColor(pBrush->GetColor()));
    }
}

namespace {

// Tells the observer, if one watches, what was drawn.
void ReportText(DcState* s, const std::string& text, int x, int y)
{
    layer::Observer* observer = layer::CurrentObserver();
    if (!observer || !observer->WatchesText()) {
        return; // the face's name costs a font lookup
    }
    observer->TextDrawn(layer::DrawnText{
        text, x, y, s->textColor, s->logFont.lfHeight < 0 ? -s->logFont.lfHeight : s->qfont.pixelSize(),
        s->logFont.lfWeight == 0 ? FW_NORMAL : static_cast<int>(s->logFont.lfWeight),
        QFontInfo(s->qfont).family().toStdString(), s->window});
}

// A line laid out once in a font: pages draw the same labels on every paint, and laying out Korean
// text costs far more than drawing its glyphs.
const QStaticText& LaidOut(const QString& line, const QFont& font)
{
    static std::unordered_map<QString, std::pair<QFont, QStaticText>> cache;
    auto found = cache.find(line);
    if (found == cache.end() || found->second.first != font) {
        if (cache.size() >= 512) {
            cache.clear(); // a bound for ever-changing texts
        }
        QStaticText text(line);
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font);
        found = cache.insert_or_assign(line, std::pair{font, std::move(text)}).first;
    }
    return found->second.second;
}

// Whether a line `height` pixels high at y can leave any ink: one wholly above or below what the painter
// reaches (its device and its clip) is not laid out, which would load its glyphs for nothing. A page
// writes every row of its text, those scrolled out of sight too.
bool LineCanShow(QPainter* p, int y, int height)
{
    const QRectF line(0, y, 1, height);
    if (p->hasClipping()) {
        const QRectF clip = p->clipBoundingRect();
        if (line.bottom() <= clip.top() || line.top() >= clip.bottom()) {
            return false;
        }
    }
    const QRectF onDevice = p->transform().mapRect(line);
    const qreal deviceHeight = p->device()->height();
    return onDevice.bottom() > 0 && onDevice.top() < deviceHeight;
}

// Draws one line with its top-left at (x, y) in the context's colours and mode.
void DrawLine(DcState* s, QPainter* p, const QString& line, int x, int y)
{
    if (!LineCanShow(p, y, QFontMetrics(s->qfont).height())) {
        return;
    }
    if (s->bkMode == OPAQUE) {
        const QFontMetrics fm(s->qfont);
        p->fillRect(QRect(x, y, fm.horizontalAdvance(line), fm.height()), layer::ToQColor(s->bkColor));
    }
    p->setFont(s->qfont);
    p->setPen(layer::ToQColor(s->textColor));
    p->drawStaticText(QPoint(x, y), LaidOut(line, s->qfont));
}

} // namespace

BOOL CDC::TextOut(int x, int y, const std::string& text)
{
    DcState* s = AsDc(m_hDC);
    QPainter* p = s ? s->Paint() : nullptr;
    if (!p) {
        return FALSE;
    }
    DrawLine(s, p, QString::fromStdString(text), x, y);
    ReportText(s, text, x, y);
    return TRUE;
}

int CDC::DrawText(const std::string& text, LPRECT lpRect, UINT nFormat)
{
    DcState* s = AsDc(m_hDC);
    if (!s || !lpRect) {
        return 0;
    }
    const QFontMetrics fm(s->qfont);
    QString str = QString::fromStdString(text);
    if (!(nFormat & DT_NOPREFIX)) {
        str.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QChar('&')).replace(QChar(1), QChar('&'));
    }
    const CRect rc(lpRect);
    QStringList lines;
    if (nFormat & DT_SINGLELINE) {
        lines << QString(str).replace(QChar('\n'), QChar(' '));
    } else if (nFormat & DT_WORDBREAK) {
        for (const QString& paragraph : str.split(QChar('\n'))) {
            QString current;
            for (const QString& word : paragraph.split(QChar(' '))) {
                const QString candidate = current.isEmpty() ? word : current + QChar(' ') + word;
                if (!current.isEmpty() && fm.horizontalAdvance(candidate) > rc.Width()) {
                    lines << current;
                    current = word;
                } else {
                    current = candidate;
                }
            }
            lines << current;
        }
    } else {
        lines = str.split(QChar('\n'));
    }
    const int lineHeight = fm.height();
    const int total = lineHeight * static_cast<int>(lines.size());
    if (nFormat & DT_CALCRECT) {
        int width = 0;
        for (const QString& line : lines) {
            width = std::max(width, fm.horizontalAdvance(line));
        }
        lpRect->right = lpRect->left + width;
        lpRect->bottom = lpRect->top + total;
        return total;
    }
    QPainter* p = s->Paint();
    if (!p) {
        return 0;
    }
    int y = rc.top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER) {
            y = rc.top + (rc.Height() - lineHeight) / 2;
        } else if (nFormat & DT_BOTTOM) {
            y = rc.bottom - lineHeight;
        }
    }
    p->save();
    if (!(nFormat & DT_NOCLIP)) {
        p->setClipRect(QRect(rc.left, rc.top, rc.Width(), rc.Height()), Qt::IntersectClip);
    }
    for (const QString& line : lines) {
        const int width = fm.horizontalAdvance(line);
        int x = rc.left;
        if (nFormat & DT_CENTER) {
            x = rc.left + (rc.Width() - width) / 2;
        } else if (nFormat & DT_RIGHT) {
            x = rc.right - width;
        }
        DrawLine(s, p, line, x, y);
        ReportText(s, line.toStdString(), x, y);
        y += lineHeight;
    }
    p->restore();
    return total;
}

CSize CDC::GetTextExtent(const std::string& text) const
{
    DcState* s = AsDc(m_hAttribDC ? m_hAttribDC : m_hDC);
    if (!s) {
        return {};
    }
    const QFontMetrics fm(s->qfont);
    return {fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD)
{
    DcState* d = AsDc(m_hDC);
    DcState* src = pSrcDC ? AsDc(pSrcDC->m_hDC) : nullptr;
    if (!d || !src || !src->memory || nWidth <= 0 || nHeight <= 0) {
        return FALSE;
    }
    layer::BitmapObject* surface = src->Surface();
    if (!surface) {
        return FALSE;
    }
    src->Flush();
    QPainter* p = d->Paint();
    if (!p) {
        return FALSE;
    }
    // Clip the source to the picture, then copy device pixels to the logical target rectangle.
    const QRect wanted(xSrc, ySrc, nWidth, nHeight);
    const QRect available = wanted.intersected(QRect(0, 0, surface->width, surface->height));
    if (available.isEmpty()) {
        return TRUE;
    }
    const qreal ratio = surface->image.devicePixelRatio();
    const QRectF source(available.x() * ratio, available.y() * ratio, available.width() * ratio,
                        available.height() * ratio);
    const QRectF target(x + available.x() - xSrc, y + available.y() - ySrc, available.width(), available.height());
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    // At a fractional screen scale (1.5) the 2x pictures are drawn smaller: filtered, not with every
    // fourth pixel dropped. A copy at the picture's own density is unchanged by this.
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->drawImage(target, surface->image, source);
    p->restore();
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    DcState* s = AsDc(m_hDC);
    layer::IconObject* icon = layer::AsIcon(hIcon);
    QPainter* p = s ? s->Paint() : nullptr;
    if (!p || !icon || icon->isCursor) {
        return FALSE;
    }
    p->drawPixmap(QRect(x, y, 32, 32), icon->pixmap);
    return TRUE;
}
