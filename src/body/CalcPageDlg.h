#pragma once
// What the four calculator pages that compute on OK share (exercise, recommended calories, BMI,
// waist-to-hip): the OK button in its picture, named "확인" for screen readers; the grey labels of the
// input rows, painted before the page's own texts and naming the inputs beside them; the controls that
// stand on a band, coloured as their band; and the repaint at once that ends OK. It stands here, beside
// the band colouring that it applies, and the exercise page takes it from here too.

#include "body/BandControlColor.h"
#include "ui/HoverButton.h"
#include "ui/PageDlg.h"
#include "ui/PageLabels.h"

#include <functional>
#include <span>
#include <string>

class CCalcPageDlg : public CPageDlg {
protected:
    // okButton is the page's own member, bound by the page's DoDataExchange; it is only stored here,
    // so the page may pass it before constructing it. labels and bandControls are the page's tables.
    CCalcPageDlg(UINT nIDTemplate, CWnd* pParent, CHoverButton& okButton, std::span<const PageLabel> labels,
                 std::span<const BandControl> bandControls = {});

    // The standard initialisation, which binds the controls and shows the members in them; then the OK
    // button's picture and name, and each labelled input named by its label.
    BOOL OnInitDialog() override;

    // The body of the page's paint handler: the page face with `bandCount` bands from band 0 and the
    // labels, then `drawContent` on the same context (PaintPageFace).
    void PaintFace(int bandCount, const std::function<void(CDC&)>& drawContent);

    // The page repainted at once from what its members hold now, without erasing.
    void RepaintNow();

    // The sex index as its radio button reads: 0 "남자", any other "여자".
    static const char* SexText(int sexIndex);
    // An input as a results line reads: its label, the number as its field shows it, and its unit.
    static std::string InputLine(const char* label, double value, const char* unit = "");

    // WM_CTLCOLOR of a page that colours its band controls: the standard colouring, then the band's
    // colours for the controls of bandControls (ColorBandControl).
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    CHoverButton& m_okButton;
    std::span<const PageLabel> m_labels;
    std::span<const BandControl> m_bandControls;
};
