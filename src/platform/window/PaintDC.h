#pragma once
// The paint context of one WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor.

#include "platform/gdi/DC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
