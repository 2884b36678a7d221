#include "platform/app/WinApp.h"

#include "platform/app/Application.h"
#include "platform/core/Resources.h"
#include "platform/core/Services.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <filesystem>

namespace {
CWinApp* g_app = nullptr;
bool g_controlContainer = false;
constexpr int kAppTitleString = 57344;
} // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName)
{
    if (lpszAppName) {
        m_appName = lpszAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() { return FALSE; }

std::string CWinApp::GetAppTitle() const
{
    if (const std::string_view title = FindStringResource(kAppTitleString); !title.empty()) {
        return std::string(title);
    }
    if (!m_appName.empty()) {
        return m_appName;
    }
    char path[4096] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::filesystem::path(path).stem().string();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return layer::IconFromResource(static_cast<int>(nIDResource)); }

HCURSOR CWinApp::LoadStandardCursor(const char* lpszCursorName) const
{
    return layer::StandardCursor(static_cast<int>(reinterpret_cast<std::uintptr_t>(lpszCursorName)));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadIcon(nIDResource); }

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

BOOL AfxEnableControlContainer()
{
    g_controlContainer = true;
    return TRUE;
}

BOOL AfxControlContainerEnabled() { return g_controlContainer; }

int AfxWinMain(int argc, char** argv, const PlatformOptions& options)
{
    auto app = layer::CreateApplication(argc, argv, options.offscreen);
    CWinApp* theApp = AfxGetApp();
    if (!theApp) {
        return 1;
    }
    int status = 0;
    if (theApp->InitInstance()) {
        status = QApplication::exec();
    }
    const int exitStatus = theApp->ExitInstance();
    layer::DestroyAllWindows();
    // Widgets of destroyed windows go now, while the application (and a browser engine) is still whole.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status != 0 ? status : exitStatus;
}

BOOL SaveWindowImage(CWnd* pWnd, const std::string& path)
{
    layer::WindowRecord* rec = pWnd ? layer::Find(pWnd->m_hWnd) : nullptr;
    if (!rec || !rec->outer) {
        return FALSE;
    }
    return rec->outer->grab().save(QString::fromStdString(path), "PNG");
}
