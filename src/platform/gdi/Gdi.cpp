#include "platform/gdi/Gdi.h"

#include "platform/gdi/GdiObjects.h"

#include <climits>
#include <cstring>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0) {
        return -1;
    }
    long long number = nNumber;
    long long denominator = nDenominator;
    if (denominator < 0) {
        denominator = -denominator;
        number = -number;
    }
    // Halves round away from zero.
    const long long product = number * nNumerator;
    const long long half = denominator / 2;
    const long long result = (product >= 0 ? product + half : product - half) / denominator;
    return result > INT_MAX || result < INT_MIN ? -1 : static_cast<int>(result);
}

BOOL DeleteObject(HGDIOBJ hObject)
{
    layer::GdiObject* g = layer::AsGdi(hObject);
    if (!g || g->selectCount > 0) {
        return FALSE;
    }
    if (g->owner) {
        g->owner->m_hObject = nullptr;
    }
    return layer::DeleteGdi(hObject);
}

HBRUSH CreateSolidBrush(COLORREF color) { return reinterpret_cast<HBRUSH>(layer::NewBrush(color)); }

BOOL GetBrushColor(HBRUSH hBrush, COLORREF* color)
{
    const layer::BrushObject* b = layer::AsBrush(hBrush);
    if (!b) {
        return FALSE;
    }
    *color = b->color;
    return TRUE;
}

// CGdiObject

CGdiObject::~CGdiObject()
{
    // A handle that cannot go now (still selected into a context) goes when the context lets it go.
    if (m_hObject && !DeleteObject()) {
        Detach();
    }
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    layer::GdiObject* g = layer::AsGdi(hObject);
    if (!g || m_hObject) {
        return FALSE;
    }
    g->owner = this;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (layer::GdiObject* g = layer::AsGdi(h); g && g->owner == this) {
        g->owner = nullptr;
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    // ::DeleteObject tells the owner that its handle is gone; a refusal leaves the handle owned.
    return m_hObject ? ::DeleteObject(m_hObject) : FALSE;
}

namespace {

// The object of a handle: its owner, else a wrapper that the handle keeps (and frees with itself).
template <class T>
T* WrapperOf(void* handle)
{
    layer::GdiObject* g = layer::AsGdi(handle);
    if (!g) {
        return nullptr;
    }
    if (auto* owner = dynamic_cast<T*>(g->owner)) {
        return owner;
    }
    if (!g->wrapper) {
        auto wrapper = std::make_unique<T>();
        wrapper->m_hObject = handle; // not owned: the wrapper never deletes the handle
        g->wrapper = std::move(wrapper);
    }
    return dynamic_cast<T*>(g->wrapper.get());
}

} // namespace

// CBitmap

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    QImage image = layer::LoadResourceImage(static_cast<int>(nIDResource), layer::ScreenPixelRatio());
    if (image.isNull() || m_hObject) {
        return FALSE;
    }
    layer::BitmapObject* b = layer::NewBitmap();
    b->width = qRound(image.width() / image.devicePixelRatio());
    b->height = qRound(image.height() / image.devicePixelRatio());
    b->image = std::move(image);
    return Attach(b);
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT, UINT, const void* lpBits)
{
    if (nWidth <= 0 || nHeight <= 0 || m_hObject) {
        return FALSE;
    }
    layer::BitmapObject* b = layer::NewBitmap();
    b->width = nWidth;
    b->height = nHeight;
    if (lpBits) {
        QImage bits(static_cast<const uchar*>(lpBits), nWidth, nHeight, nWidth * 4, QImage::Format_RGB32);
        const qreal dpr = layer::ScreenPixelRatio();
        b->image = bits.scaled(qRound(nWidth * dpr), qRound(nHeight * dpr)).convertToFormat(QImage::Format_RGB32);
        b->image.setDevicePixelRatio(dpr);
    } else {
        b->image = layer::NewImage(nWidth, nHeight, layer::ScreenPixelRatio());
    }
    return Attach(b);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight)
{
    return CreateBitmap(nWidth, nHeight, 1, 32, nullptr);
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    const layer::BitmapObject* b = layer::AsBitmap(m_hObject);
    if (!b || !pBitMap) {
        return 0;
    }
    *pBitMap = BITMAP{0, b->width, b->height, b->width * 4, 1, 32, nullptr};
    return sizeof(BITMAP);
}

CSize CBitmap::GetBitmapDimension() const
{
    const layer::BitmapObject* b = layer::AsBitmap(m_hObject);
    return b ? CSize(b->width, b->height) : CSize();
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return WrapperOf<CBitmap>(hBitmap); }

// CFont

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (!lpLogFont || m_hObject) {
        return FALSE;
    }
    layer::FontObject* f = layer::NewFont();
    f->logFont = *lpLogFont;
    f->logFont.lfFaceName[sizeof f->logFont.lfFaceName - 1] = '\0';
    f->font = layer::FontFromLogFont(f->logFont);
    return Attach(f);
}

BOOL CFont::CreatePointFont(int nPointSize10, const char* lpszFaceName, CDC*)
{
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(nPointSize10, 96, 720);
    lf.lfWeight = FW_NORMAL;
    std::strncpy(lf.lfFaceName, lpszFaceName ? lpszFaceName : "", sizeof lf.lfFaceName - 1);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    const layer::FontObject* f = layer::AsFont(m_hObject);
    if (!f || !pLogFont) {
        return 0;
    }
    *pLogFont = f->logFont;
    return sizeof(LOGFONT);
}

CFont* CFont::FromHandle(HFONT hFont) { return WrapperOf<CFont>(hFont); }

// CBrush

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return m_hObject ? FALSE : Attach(layer::NewBrush(color));
}

COLORREF CBrush::GetColor() const
{
    COLORREF c = 0;
    GetBrushColor(static_cast<HBRUSH>(m_hObject), &c);
    return c;
}

CBrush* CBrush::FromHandle(HBRUSH hBrush) { return WrapperOf<CBrush>(hBrush); }
