#pragma once
// Device contexts over the layer's painter: a window's paint context (CWnd::BeginPaint) or a memory
// context on a bitmap (CreateCompatibleDC + SelectObject). Coordinates are logical pixels; memory
// bitmaps follow the screen's pixel ratio, so what is drawn stays crisp on high-DPI screens.

#include "platform/gdi/Gdi.h"

#include <string>


constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint; // the rectangle to paint, client coordinates
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

class CDC {
public:
    HDC m_hDC = nullptr;       // where drawing goes
    HDC m_hAttribDC = nullptr; // what attribute queries read

    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC(); // deletes a context it created

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);
    BOOL Attach(HDC hDC);
    HDC Detach();
    // Sends the drawing of this object to another context (as a buffered paint context does).
    void SetOutputDC(HDC hDC);
    void ReleaseOutputDC();
    void SetAttribDC(HDC hDC);
    void ReleaseAttribDC();

    // A memory context on a 1 × 1 default bitmap, for the screen (pDC null) or like pDC.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    // The window this context paints (a memory context: the window of the context it was made from).

    CFont* SelectObject(CFont* pFont);       // previous font
    CBitmap* SelectObject(CBitmap* pBitmap); // previous bitmap (memory contexts only)
    CBrush* SelectObject(CBrush* pBrush);    // previous brush
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF color); // previous colour
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode); // TRANSPARENT or OPAQUE; previous mode
    int GetBkMode() const;
    int GetDeviceCaps(int nIndex) const; // LOGPIXELSX/Y 96, BITSPIXEL 32, PLANES 1

    // The colour of a logical pixel of a memory context's bitmap; CLR_INVALID elsewhere.
    COLORREF GetPixel(int x, int y) const;
    void FillSolidRect(LPCRECT lpRect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Text with its top-left at (x, y), in the text colour; OPAQUE mode fills its box with the background colour.
    BOOL TextOut(int x, int y, const std::string& text);
    // Text in a rectangle: DT_CENTER/DT_RIGHT, DT_VCENTER/DT_BOTTOM with DT_SINGLELINE, clipped to the
    // rectangle unless DT_NOCLIP. DT_CALCRECT measures into lpRect without drawing. Answers the height.
    int DrawText(const std::string& text, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(const std::string& text) const;
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL DrawIcon(int x, int y, HICON hIcon); // 32 × 32
    BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
};
