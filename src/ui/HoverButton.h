#pragma once
// The owner-drawn bitmap button: shows one of the three frames of a bitmap strip (normal at x = 0,
// pointer resting on it at W / 3, pressed at W − W / 3 of a strip W wide). The button is one frame
// wide. Serves the link tabs, close and minimise, and the pages' buttons.

#include "ui/TrackingButton.h"

class CHoverButton : public CTrackingButton {
public:
    // Stores the strip's bitmap id (0 draws nothing) and repaints at once if the window exists.
    void SetBitmapId(int nBitmapId);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    int m_nBitmapId = 0;
};
