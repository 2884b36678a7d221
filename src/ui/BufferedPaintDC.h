#pragma once
// The paint context of a page's WM_PAINT handler that draws off-screen first. Made on the stack at the
// top of the handler, it begins the paint and is itself the context to draw on: every drawing call
// lands in a memory bitmap as large as the client area, in client coordinates. Its destruction copies
// the rectangle that needed painting to the screen, so the screen receives each pixel once per paint.
// Parts of the client area that the handler does not draw are copied as the fresh bitmap holds them,
// so a handler starts by filling its whole client rectangle.

#include "platform/gdi/DC.h"

class CWnd;

class CBufferedPaintDC : public CDC {
public:
    explicit CBufferedPaintDC(CWnd* pWnd);
    ~CBufferedPaintDC() override;

private:
    CWnd* m_pWnd;                    // the window being painted (not owned)
    CDC* m_pScreenDC = nullptr;      // the window's paint context from BeginPaint (not owned)
    PAINTSTRUCT m_ps{};              // the paint record; its rectangle is what is copied at the end
    CRect m_rcClient;                // the client rectangle when the paint began
    CDC m_memDC;                     // compatible with the screen context
    CBitmap m_memBitmap;             // client-sized, in the screen's format
    CBitmap* m_pOldBitmap = nullptr; // what the memory context held before
};
