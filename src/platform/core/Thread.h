#pragma once
// Threads: the thread object of the application and of its workers (AfxBeginThread). A worker is a real
// thread; anything it asks of a window is posted to the user-interface thread.

#include "platform/core/Types.h"

class CWnd;

constexpr int THREAD_PRIORITY_LOWEST = -2;
constexpr int THREAD_PRIORITY_BELOW_NORMAL = -1;
constexpr int THREAD_PRIORITY_NORMAL = 0;
constexpr int THREAD_PRIORITY_ABOVE_NORMAL = 1;
constexpr int THREAD_PRIORITY_HIGHEST = 2;
constexpr DWORD CREATE_SUSPENDED = 0x00000004;

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

using AFX_THREADPROC = UINT (*)(LPVOID);
// A real thread running pfnThreadProc(pParam), started at once (unless CREATE_SUSPENDED). The returned
// object deletes itself when the thread ends (m_bAutoDelete).
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0, void* lpSecurityAttrs = nullptr);
