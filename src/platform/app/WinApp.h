#pragma once
// The application object and the entry point. The program's main() (Qt-free) calls AfxWinMain,
// which creates the windowing application, runs the one CWinApp's InitInstance and answers the exit status.

#include "platform/core/Thread.h"

#include <string>
#include <string_view>

class CWnd;

class CWinApp : public CWinThread {
public:
    // Constructed once, as a static object; lpszAppName null: the title comes from string 57344 or
    // the executable's name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    const char* m_pszAppName = nullptr;

    // The id of the program's desktop entry (its file name without ".desktop"): the window system
    // matches the program's windows to the entry, its name and icon by it.
    void SetAppID(const char* lpcszAppID);

    BOOL InitInstance() override; // FALSE: the program ends
    // The application's title, used by message boxes.
    std::string GetAppTitle() const;
    HICON LoadIcon(UINT nIDResource) const;              // from the icon resources; null when missing
    HCURSOR LoadStandardCursor(const char* lpszCursorName) const; // IDC_ARROW, IDC_HAND …
    HCURSOR LoadCursor(UINT nIDResource) const;          // a cursor from an icon resource
    void Enable3dControls() {}                           // the look is always three-dimensional

private:
    std::string m_appName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Records that browser views may be created (they are created lazily); TRUE.
BOOL AfxEnableControlContainer();
BOOL AfxControlContainerEnabled();

struct PlatformOptions {
    bool offscreen = false; // render without a display (e.g. screenshots)
};
// How Qt, under AfxWinMain, reads an argument of the command line: not at all, as an option on its own
// (-reverse, -style=S), or as an option whose value is the next argument (-platform NAME, -display D).
// Qt takes each with one dash or two; it takes its options off argc and argv before InitInstance runs.
enum class ToolkitArgument { None, Alone, WithValue };
ToolkitArgument ClassifyToolkitArgument(std::string_view argument);

// Creates the windowing application, runs AfxGetApp()->InitInstance(); when it answers TRUE, runs the
// event loop until the application quits. Answers the exit status (0 after InitInstance answered FALSE).
int AfxWinMain(int argc, char** argv, const PlatformOptions& options = {});

// Saves the window's picture (the window and its children, as they are painted now) as PNG.
BOOL SaveWindowImage(CWnd* pWnd, const std::string& path);
