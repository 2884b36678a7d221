#pragma once
// How the calculator pages paint their face on every paint: through a CBufferedPaintDC in the skin
// font, a white fill, transparent text, the bands behind the input rows and the grey labels, then what
// the page has to say at fixed places of its client area.

#include "platform/gdi/DC.h"
#include "ui/PageLabels.h"

#include <functional>
#include <initializer_list>
#include <span>

class CWnd;

// A text at its place (left, top) in the client area.
struct PlacedText {
    int x;
    int y;
    const char* text;
};

// Draws each text at its place in `color`.
void DrawTexts(CDC& dc, COLORREF color, std::initializer_list<PlacedText> texts);

// The bands behind a page's rows: `count` bands from band `first`, moved up by `yOffset` pixels (the
// scroll position of a page that scrolls).
struct PageBands {
    int first;
    int count;
    int yOffset;
};

// The body of a page's WM_PAINT handler: in a CBufferedPaintDC of `page`, selects a 굴림 9-point font
// of weight 400, fills the client area white, sets transparent text, fills the bands, draws `labels` in
// kLabelColor, then lets `drawContent` draw on the same context; finally selects the previous font back
// and deletes the page font.
void PaintPageFace(CWnd* page, const PageBands& bands, std::span<const PageLabel> labels,
                   const std::function<void(CDC&)>& drawContent);
// The same with `bandCount` bands from band 0, as the pages that do not scroll have them.
void PaintPageFace(CWnd* page, int bandCount, std::span<const PageLabel> labels,
                   const std::function<void(CDC&)>& drawContent);
