#pragma once
// Control colouring of the body pages: controls that stand on a page band (the sex and unit radio
// buttons) read grey on the band's colour; every other control keeps the standard colouring.
//
// The program holds one control brush in all, shared by every page that colours through here: each
// colour request deletes the brush of the previous request before it makes a new one, so at most one
// exists at any time. The last one is kept deliberately until the process ends: the control painted
// with it may repaint from it at any moment, and it is a single colour record.

#include "platform/Afx.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <span>

// One control of a page that stands on a band, and that band's colour.
struct BandControl {
    int id;
    COLORREF color;
};

// The sex radio buttons of the BMI and recommended-calorie pages, which stand on band 1.
inline constexpr BandControl kSexRadiosOnBandOne[] = {{IDC_MALE, kBandColorOdd}, {IDC_FEMALE, kBandColorOdd}};

// The colour request of a page's OnCtlColor, given the brush of the standard dialog colouring
// (CDialog::OnCtlColor, already called) and the page's band controls. Deletes the held brush; for a
// listed control holds a new solid brush of its band colour, sets the text colour to kLabelColor
// and the text background to the band colour, and answers the new brush; otherwise answers
// standardBrush and holds none.
HBRUSH ColorBandControl(HBRUSH standardBrush, CDC* pDC, const CWnd* pWnd, std::span<const BandControl> bands);
