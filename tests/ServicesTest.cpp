// Services of the desktop: message boxes and URL opening (replaced by recorders in tests), worker
// threads, paths, string resources and the application object; and the pointer list that the exercise
// page keeps its records in.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

namespace {

TEST(Services, MessageBoxesGoToTheInstalledHandler)
{
    uitest::MessageBoxRecorder boxes;
    EXPECT_EQ(AfxMessageBox("ERROR: 해당 데이터가 존재하지 않습니다."), IDOK);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "ERROR: 해당 데이터가 존재하지 않습니다.");
    EXPECT_EQ(boxes.Types()[0], MB_OK | MB_ICONEXCLAMATION);
}

TEST(Services, TheShellOpensUrlsThroughTheInstalledHandler)
{
    uitest::ShellOpenRecorder urls;
    const HINSTANCE result = ShellExecuteA(nullptr, "open", "http://shop.example/a?b=1", nullptr, nullptr, SW_SHOWNORMAL);
    EXPECT_GT(reinterpret_cast<std::uintptr_t>(result), 32u);
    EXPECT_TRUE(ShellOpen("http://shop.example/c"));
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(ShellExecuteA(nullptr, "print", "x", nullptr, nullptr, 0)), 32u);
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, 0)), 32u);
    EXPECT_EQ(urls.Urls(), (std::vector<std::string>{"http://shop.example/a?b=1", "http://shop.example/c"}));
}

// A worker that reports to a window, as the banner worker does.
struct WorkerData {
    HWND target;
    std::atomic<std::thread::id> thread;
};

UINT WorkerProc(LPVOID param)
{
    auto* data = static_cast<WorkerData*>(param);
    data->thread = std::this_thread::get_id();
    ::PostMessage(data->target, WM_APP + 5, 77, 0);
    return 0;
}

class CReceiver : public CWnd {
public:
    WPARAM received = 0;
    std::thread::id thread;
    afx_msg LRESULT OnDone(WPARAM w, LPARAM)
    {
        received = w;
        thread = std::this_thread::get_id();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReceiver, CWnd)
    ON_MESSAGE(WM_APP + 5, &CReceiver::OnDone)
END_MESSAGE_MAP()

TEST(Services, AfxBeginThreadRunsTheFunctionOnANewThreadAtOnce)
{
    CReceiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    WorkerData data{receiver.m_hWnd, {}};
    ASSERT_NE(AfxBeginThread(&WorkerProc, &data, THREAD_PRIORITY_NORMAL, 0, 0), nullptr);
    ASSERT_TRUE(uitest::WaitUntil([&] { return receiver.received == 77; }));
    EXPECT_NE(data.thread.load(), std::this_thread::get_id());
    EXPECT_EQ(receiver.thread, std::this_thread::get_id()) << "the message is handled on the window's thread";
}

TEST(Services, ASuspendedThreadStartsWhenResumed)
{
    CReceiver receiver;
    ASSERT_TRUE(receiver.CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    WorkerData data{receiver.m_hWnd, {}};
    CWinThread* thread = AfxBeginThread(&WorkerProc, &data, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    uitest::ProcessEvents();
    EXPECT_EQ(receiver.received, 0u);
    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_TRUE(uitest::WaitUntil([&] { return receiver.received == 77; }));
}

TEST(Services, PathsOfTheProgramTheCurrentDirectoryAndTemporaryFiles)
{
    char path[260] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(std::strlen(path), n);
    EXPECT_TRUE(std::filesystem::exists(path));
    char tiny[4] = {};
    EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, sizeof tiny), 3u) << "cut to the buffer, with its zero";

    char saved[1024] = {};
    ASSERT_GT(GetCurrentDirectoryA(sizeof saved, saved), 0u);
    const std::string temp = ::testing::TempDir();
    ASSERT_TRUE(SetCurrentDirectoryA(temp.c_str()));
    char now[1024] = {};
    GetCurrentDirectoryA(sizeof now, now);
    EXPECT_EQ(std::filesystem::canonical(now), std::filesystem::canonical(temp));
    char small[2] = {};
    EXPECT_EQ(GetCurrentDirectoryA(sizeof small, small), std::strlen(now) + 1) << "too small: the size needed";
    EXPECT_FALSE(SetCurrentDirectoryA("/no/such/directory/here"));
    EXPECT_FALSE(SetCurrentDirectoryA(nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(saved));

    char tempPath[1024] = {};
    const DWORD t = GetTempPathA(sizeof tempPath, tempPath);
    ASSERT_GT(t, 0u);
    EXPECT_EQ(tempPath[t - 1], '/');
}

TEST(Services, StringResourcesByIdAndTheApplicationTitle)
{
    char buffer[8] = {};
    EXPECT_EQ(LoadStringA(nullptr, 424242, buffer, sizeof buffer), 0);
    EXPECT_EQ(AfxLoadString(424242), "");
    const std::string about = AfxLoadString(101);
    if (!about.empty()) {
        EXPECT_EQ(LoadStringA(nullptr, 101, buffer, sizeof buffer), 7) << "cut to the buffer";
    }
    CWinApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    const std::string title = app.GetAppTitle();
    const std::string named = AfxLoadString(57344);
    EXPECT_EQ(title, named.empty() ? std::filesystem::path(::testing::internal::GetArgvs()[0]).stem().string() : named);
    EXPECT_TRUE(AfxEnableControlContainer());
    EXPECT_TRUE(AfxControlContainerEnabled());
    EXPECT_EQ(app.LoadStandardCursor(IDC_HAND), LoadCursor(nullptr, IDC_HAND));
}

TEST(Services, APointerListKeepsOrderAndPositions)
{
    CPtrList list(10);
    int a = 1;
    int b = 2;
    int c = 3;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddHead(&c);
    EXPECT_EQ(list.GetCount(), 3);
    std::vector<int> seen;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        seen.push_back(*static_cast<int*>(list.GetNext(pos)));
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 1, 2}));
    list.RemoveAt(list.Find(&a));
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.RemoveTail(), &b);
    EXPECT_EQ(list.RemoveHead(), &c);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.RemoveHead(), nullptr);
}

} // namespace
