#pragma once
// The state of a device context inside the layer (an HDC points to one): the painter, colours, font and
// selected objects of a window's or a bitmap's context.

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"

#include <memory>

namespace layer {

// One device context's state (an HDC points to one).
struct DcState {
    CDC* owner = nullptr; // the CDC that created it (FromHandle answers it)
    std::unique_ptr<CDC> wrapper;
    QPainter* painter = nullptr;             // on a window (borrowed) or on the bitmap (owned)
    std::unique_ptr<QPainter> ownedPainter;
    bool memory = false;
    HWND window = nullptr;
    qreal dpr = 1.0;
    int width = 0;  // logical size of the surface (HORZRES/VERTRES)
    int height = 0;
    // Selected objects by handle: their C++ objects may be gone while a context still holds them.
    void* bitmap = nullptr; // memory contexts: the selected bitmap (counted in its selectCount)
    void* font = nullptr;
    void* brush = nullptr;
    QFont qfont;
    LOGFONT logFont{};
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;

    // The painter to draw with now (opened on the selected bitmap for a memory context).
    QPainter* Paint();
    // Ends the memory painter so that the bitmap can be read or replaced.
    void Flush();
    // The bitmap a memory context draws on, or null.
    BitmapObject* Surface() const;
};

// A context state for a window painter (WM_PAINT, owner draw, colour queries without painter).
HDC NewWindowDc(QPainter* painter, HWND window, int width, int height);
// Tracks a new context state and answers its handle; DeleteDc deletes it.
HDC NewDc(DcState* state);
void DeleteDc(HDC hdc);
DcState* AsDc(HDC hdc);

} // namespace layer
