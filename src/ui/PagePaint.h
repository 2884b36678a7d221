#pragma once
// How the calculator pages paint their face on every paint: through a CBufferedPaintDC in the skin
// font, a white fill, transparent text, the bands behind the input rows and the grey labels, then what
// the page has to say at fixed places of its client area.

#include "ui/platform/DC.h"

#include <functional>
#include <initializer_list>

class CWnd;

// A text at its place (left, top) in the client area.
struct PlacedText {
    int x;
    int y;
    const char* text;
};

// Draws each text at its place in `color`.
void DrawTexts(CDC& dc, COLORREF color, std::initializer_list<PlacedText> texts);

// The body of a page's WM_PAINT handler: in a CBufferedPaintDC of `page`, selects a 굴림 9-point font
// of weight 400, fills the client area white, sets transparent text, fills `bandCount` bands from band
// 0, draws `labels` in kLabelColor, then lets `drawContent` draw on the same context; finally selects
// the previous font back and deletes the page font.
void PaintPageFace(CWnd* page, int bandCount, std::initializer_list<PlacedText> labels,
                   const std::function<void(CDC&)>& drawContent);
