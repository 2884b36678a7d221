#pragma once
// The about box: icon, name and version, and "확인", which closes it. Opened from the main window's
// system menu.

#include "platform/Afx.h"
#include "res/Resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();
};
