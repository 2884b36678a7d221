#pragma once
// The owner-drawn button that knows whether the pointer rests on it: the common base of CHoverButton
// and CMenuButton. The first mouse move asks the platform for one hover and one leave notification;
// the hover notification sets m_bHover and the leave clears it, each repainting the button at once so
// that the derived DrawItem shows the matching look.

#include "platform/controls/Controls.h"

class CTrackingButton : public CButton {
protected:
    BOOL m_bTracking = 0; // hover and leave notifications were asked for; the leave has not come yet
    BOOL m_bHover = 0;    // the pointer rests on the button

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()
};
