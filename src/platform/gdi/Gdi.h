#pragma once
// Drawing objects: bitmaps, fonts and brushes, each owning one handle of the layer.

#include "platform/core/Types.h"

class CDC;

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE HANGUL_CHARSET = 129;

struct LOGFONT {
    LONG lfHeight; // negative: character height in pixels; positive: cell height
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[32]; // UTF-8
};
using LOGFONTA = LOGFONT;
using LPLOGFONT = LOGFONT*;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;  // logical pixels
    LONG bmHeight; // logical pixels
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

// a·b/c computed in 64 bits and rounded half away from zero; −1 when c is 0.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

// Deletes a bitmap, font or brush handle. FALSE for a null handle or a bitmap still selected into a context.
BOOL DeleteObject(HGDIOBJ hObject);
HBRUSH CreateSolidBrush(COLORREF color);
// The colour of a live solid brush; FALSE when the handle names no brush.
BOOL GetBrushColor(HBRUSH hBrush, COLORREF* color);

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject(); // deletes the handle it still owns

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CBitmap : public CGdiObject {
public:
    // From the program's bitmap resources; the 2x picture when the screen's pixel ratio is above 1.
    BOOL LoadBitmap(UINT nIDResource);
    // A new picture of nWidth × nHeight logical pixels at the screen's pixel ratio; bits (32-bit
    // 0x00RRGGBB rows, top-down) are copied when given, else the picture starts black.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const; // sizeof(BITMAP) on success, 0 without a picture
    CSize GetBitmapDimension() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP hBitmap);
};

class CFont : public CGdiObject {
public:
    // Face "굴림" (and other classic Korean faces) resolve to an installed Korean font:
    // Baekmuk Gulim first, then NanumGothic, then Noto Sans CJK KR.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreatePointFont(int nPointSize10, const char* lpszFaceName, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT hFont);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    COLORREF GetColor() const; // black when there is no brush
    static CBrush* FromHandle(HBRUSH hBrush);
};
