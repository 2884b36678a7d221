#pragma once
// The application object, threads and the entry point. The program's main() (Qt-free) calls AfxWinMain,
// which creates the windowing application, runs the one CWinApp's InitInstance and answers the exit status.

#include "ui/platform/Types.h"

#include <string>

class CWnd;

class CWinThread {
public:
    CWinThread() = default;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    virtual ~CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;
    BOOL m_bAutoDelete = TRUE; // a worker thread's object is deleted when the thread ends
    DWORD m_nThreadID = 0;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }
    CWnd* GetMainWnd() const { return m_pMainWnd; }
    BOOL SetThreadPriority(int nPriority); // recorded; the desktop schedules all threads alike
    int GetThreadPriority() const { return m_nPriority; }
    DWORD ResumeThread(); // starts a worker created with CREATE_SUSPENDED; 1 then, 0 if already running

    // A worker thread's function and argument (AfxBeginThread).
    UINT (*m_pfnThreadProc)(LPVOID) = nullptr;
    LPVOID m_pThreadParams = nullptr;

private:
    int m_nPriority = 0;
    bool m_bStarted = false;
};

class CWinApp : public CWinThread {
public:
    // Constructed once, as a static object; lpszAppName null: the title comes from string 57344 or
    // the executable's name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    const char* m_pszAppName = nullptr;

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
// Creates the windowing application, runs AfxGetApp()->InitInstance(); when it answers TRUE, runs the
// event loop until the application quits. Answers the exit status (0 after InitInstance answered FALSE).
int AfxWinMain(int argc, char** argv, const PlatformOptions& options = {});

// Saves the window's picture (the window and its children, as they are painted now) as PNG.
BOOL SaveWindowImage(CWnd* pWnd, const std::string& path);
