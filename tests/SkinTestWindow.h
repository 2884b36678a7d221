#pragma once
// What the skin tests share: a top-level window built from an in-test template that paints through
// CBufferedPaintDC with a paint function the test chooses, binds button objects to its controls, and
// reference pixels of the compiled bitmap resources.

#include "platform/Afx.h"

#include <functional>
#include <span>
#include <utility>
#include <vector>

class CSkinTestWindow : public CDialog {
public:
    explicit CSkinTestWindow(const DialogTemplate& dialogTemplate) : CDialog(dialogTemplate) {}

    // Control objects to bind by id when the window is created.
    std::vector<std::pair<int, CWnd*>> bindings;
    // Draws the whole client area; called inside a CBufferedPaintDC. The default fills one colour.
    std::function<void(CDC& dc, const CRect& client)> paint;
    COLORREF background = RGB(255, 255, 255);
    int paintCount = 0;

    // Creates the window, shows it and waits until it is on the screen.
    bool Open();
    // Places a control in client pixels.
    void Place(int id, int x, int y, int cx, int cy);
    // Brings the pointer into the window to a point clear of controls, as a person's pointer comes in
    // before it reaches one: two moves, so that at least one is a real move wherever the pointer was.
    bool MovePointerIn(CPoint freePoint);
    // Repaints the whole window at once.
    void Repaint() { RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// A popup template of cx × cy dialog units with the given controls.
DialogTemplate SkinTestTemplate(int cx, int cy, std::span<const DialogControl> controls = {});

// Size and pixels of bitmap resource `id` as its 1x picture holds them.
CSize ResourceSize(int id);
COLORREF ResourcePixel(int id, int x, int y);

// A point of a three-frame strip where the normal, hover and pressed frames all differ, with the
// three colours there; found by scanning the strip.
struct FrameProbe {
    CPoint point;
    COLORREF normal = 0, hover = 0, pressed = 0;
};
FrameProbe FindFrameProbe(int stripId);
