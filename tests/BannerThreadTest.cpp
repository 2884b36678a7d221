// The banner worker and its host: a reachable banner makes the host's view go to the remote page, an
// unreachable one changes nothing, a host destroyed while the fetch runs is never touched (this
// test runs under the address and thread sanitizers, that case a hundred times in a row), and the main
// window closes at once while the fetch waits for a server.

#include "app/CalorieDlg.h"
#include "platform/Afx.h"
#include "platform/testing/ModalDriver.h"
#include "platform/testing/Recorders.h"
#include "platform/testing/TestDriver.h"
#include "platform/testing/TestObserver.h"
#include "web/ADView.h"
#include "web/BannerFetch.h"
#include "web/BannerHostDlg.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>

namespace {

// Counts the navigation requests that reach a live host (user-interface thread only).
int g_requestsDelivered = 0;

class CObservedHost : public CBannerHostDlg {
protected:
    afx_msg LRESULT OnObservedNavigate(WPARAM wParam, LPARAM lParam)
    {
        ++g_requestsDelivered;
        return OnBannerNavigate(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CObservedHost, CBannerHostDlg)
    ON_MESSAGE(WM_BANNER_NAVIGATE, &CObservedHost::OnObservedNavigate)
END_MESSAGE_MAP()

// A one-shot signal between the test and the worker.
class Signal {
public:
    void Raise()
    {
        const std::lock_guard lock(m_mutex);
        m_raised = true;
        m_changed.notify_all();
    }
    bool Wait(int timeoutMs = 10'000)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_raised; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_raised = false;
};

// The banner worker with the host's window, as the main window starts it; `finished` is raised after it
// returned.
struct WorkerRun {
    HWND host;
    Signal finished;
};

UINT RunBannerWorker(LPVOID param)
{
    auto* run = static_cast<WorkerRun*>(param);
    BannerThreadProc(run->host);
    run->finished.Raise();
    return 0;
}

class BannerWorker : public testing::Test {
protected:
    void SetUp() override
    {
        g_requestsDelivered = 0;
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 600, 200), nullptr, 0));
        m_host = new CObservedHost;
        ASSERT_TRUE(m_host->Create(CBannerHostDlg::IDD, &m_parent));
    }
    void TearDown() override
    {
        if (m_previousHandler) {
            uitest::SetDownloadHandler(*m_previousHandler); // the test's handler uses what RunWorker held
        }
        m_parent.DestroyWindow();
    }

    // Runs the worker with the host while the download answers `result`; `during` runs while the
    // download waits, on the test's thread.
    void RunWorker(HRESULT result, const std::function<void()>& during = [] {})
    {
        Signal downloading;
        Signal answer;
        m_previousHandler = uitest::SetDownloadHandler([&](const std::string& url, const std::string& file) {
            m_url = url;
            m_file = file;
            downloading.Raise();
            answer.Wait();
            return result;
        });
        WorkerRun run{m_host->GetSafeHwnd(), {}};
        ASSERT_NE(AfxBeginThread(&RunBannerWorker, &run), nullptr);
        ASSERT_TRUE(downloading.Wait());
        during();
        answer.Raise();
        ASSERT_TRUE(run.finished.Wait());
        uitest::ProcessEvents(); // what the worker posted arrives now, or never
    }

    CWnd m_parent;
    CObservedHost* m_host = nullptr;
    std::string m_url;
    std::string m_file;
    std::optional<uitest::DownloadHandler> m_previousHandler;
};

TEST_F(BannerWorker, AReachableBannerSendsTheHostsViewToTheRemotePage)
{
    RunWorker(S_OK);
    EXPECT_EQ(m_url, BannerUrl());
    EXPECT_FALSE(std::filesystem::exists(m_file)) << "the fetched copy is removed";
    EXPECT_EQ(g_requestsDelivered, 1);
    EXPECT_TRUE(m_host->m_pView->GetBusy()) << "the view has the remote page to show";
}

TEST_F(BannerWorker, AnUnreachableBannerChangesNothing)
{
    RunWorker(INET_E_CANNOT_CONNECT);
    EXPECT_FALSE(std::filesystem::exists(m_file));
    EXPECT_EQ(g_requestsDelivered, 0);
    EXPECT_FALSE(m_host->m_pView->GetBusy());
}

TEST_F(BannerWorker, AHostDestroyedWhileTheFetchRunsIsNeverTouched)
{
    RunWorker(S_OK, [&] { m_host->DestroyWindow(); }); // the host deletes itself, and its view with it
    EXPECT_EQ(g_requestsDelivered, 0);
}

// The close button while the banner fetch waits for a server that has not answered yet: the run ends at
// once and every window goes; the answer that comes afterwards finds no host (under the sanitizers: it
// touches nothing freed and races with nothing).
TEST(BannerWorkerAtClose, TheCloseButtonEndsTheRunWhileTheFetchWaitsAndTheLateAnswerFindsNoHost)
{
    // Shared with the worker, which may outlive the test's own variables.
    struct Fetch {
        Signal downloading;
        Signal answer;
        std::mutex mutex;
        std::string file;
    };
    const auto fetch = std::make_shared<Fetch>();
    const uitest::DownloadHandler previous = uitest::SetDownloadHandler([fetch](const std::string&, const std::string& file) {
        {
            const std::lock_guard lock(fetch->mutex);
            fetch->file = file;
        }
        fetch->downloading.Raise();
        fetch->answer.Wait();
        return S_OK; // the banner could be reached after all
    });
    CCalorieDlg dlg;
    bool waited = false;
    uitest::WhenModal([&] {
        waited = fetch->downloading.Wait();
        if (!uitest::Click(&dlg, IDOK)) {
            dlg.EndDialog(-2); // never leave the run hanging
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(waited) << "the worker was fetching when the close button was clicked";
    EXPECT_FALSE(IsWindow(dlg.m_hWnd));

    fetch->answer.Raise();
    // The worker removes its copy and posts to the host just after; the events of the next moments bring
    // the post (a slower machine only shows less here, it never fails).
    EXPECT_TRUE(uitest::WaitUntil([&] {
        const std::lock_guard lock(fetch->mutex);
        return !std::filesystem::exists(fetch->file);
    }));
    uitest::WaitUntil([] { return false; }, 200);
    uitest::SetDownloadHandler(previous);
}

TEST(BannerHost, EnterAndEscapeOnTheStripLeaveItShown)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 600, 200), nullptr, 0));
    auto* host = new CBannerHostDlg;
    ASSERT_TRUE(host->Create(CBannerHostDlg::IDD, &parent));
    host->ShowWindow(SW_SHOW);
    for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
        ASSERT_TRUE(uitest::PressKey(host, IDC_BANNER_VIEW, key));
        EXPECT_TRUE(host->GetStyle() & WS_VISIBLE) << "key " << key;
    }
    parent.DestroyWindow();
}

TEST(BannerView, OpensWhatItsPageAsksToOpenInANewWindowInTheBrowserWhenItIsAWebAddress)
{
    uitest::ShellOpenRecorder browser;
    CADView view;
    CHtmlView& html = view; // as the browser reports it
    for (const char* url : {"http://ad.example/a?b=1", "HTTPS://ad.example/", "file:///etc/passwd",
                            "javascript:alert(1)", "mailto:ad@example.com", ""}) {
        html.OnNewWindow3(url);
    }
    EXPECT_EQ(browser.Urls(), (std::vector<std::string>{"http://ad.example/a?b=1", "HTTPS://ad.example/"}));
}

TEST(BannerHost, MakesItsViewAsAnEmptyVisibleChild125)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 600, 200), nullptr, 0));
    auto* host = new CBannerHostDlg;
    ASSERT_TRUE(host->Create(CBannerHostDlg::IDD, &parent));
    ASSERT_NE(host->m_pView, nullptr);
    EXPECT_EQ(host->GetDlgItem(125), host->m_pView) << "the view's control id";
    CRect rect;
    host->m_pView->GetWindowRect(&rect);
    EXPECT_TRUE(rect.IsRectEmpty()) << "no visible size before the first page";
    EXPECT_TRUE(host->m_pView->GetStyle() & WS_VISIBLE);
    parent.DestroyWindow();
}

} // namespace
