#pragma once
// A calculator button of the main window's menu: its caption in bold "굴림" over the menu colour, with
// "계산기" under it. The selected button (the page shown) sits on the light plate of bitmap 134; the
// caption is red when the button is selected or the pointer rests on it, else white. It looks the same
// while held down.

#include "ui/TrackingButton.h"

class CMenuButton : public CTrackingButton {
public:
    // Stores the flag as 1 or 0, which screen readers hear as the button's check state, and repaints at
    // once if the window exists.
    void SetSelected(BOOL bSelected);
    BOOL GetSelected() const { return m_bSelected; }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL m_bSelected = 0; // this button's page is the page shown
};
