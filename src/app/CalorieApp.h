#pragma once
// The application object: makes the program's directory the current directory and runs the main
// window modally; the program ends when the main window closes.

#include "platform/Afx.h"

#include <string>

class CCalorieApp : public CWinApp {
public:
    CCalorieApp();

    BOOL InitInstance() override;

    // When set (--screenshot), the run renders the main window with each calculator chosen into this
    // directory instead of waiting for the user, and records whether every picture was written.
    std::string m_strScreenshotDir;
    bool m_bScreenshotsSaved = false;
};

extern CCalorieApp theApp;
