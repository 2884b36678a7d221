#include "platform/core/Thread.h"

#include <functional>
#include <thread>

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT, DWORD dwCreateFlags,
                           void*)
{
    if (!pfnThreadProc) {
        return nullptr;
    }
    auto* thread = new CWinThread();
    thread->m_pfnThreadProc = pfnThreadProc;
    thread->m_pThreadParams = pParam;
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) {
        thread->ResumeThread();
    }
    return thread;
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    m_nPriority = nPriority;
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    if (m_bStarted || !m_pfnThreadProc) {
        return 0;
    }
    m_bStarted = true;
    // The object may be gone as soon as the thread runs: nothing here touches it after the start.
    std::thread([this] {
        m_nThreadID = static_cast<DWORD>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
        m_pfnThreadProc(m_pThreadParams);
        if (m_bAutoDelete) {
            delete this;
        }
    }).detach(); // nobody waits for a worker, as on the classic desktop
    return 1;
}
