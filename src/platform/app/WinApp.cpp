#include "platform/app/WinApp.h"

#include "platform/app/Application.h"
#include "platform/core/Resources.h"
#include "platform/core/Services.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <algorithm>
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

void CWinApp::SetAppID(const char* lpcszAppID)
{
    QGuiApplication::setDesktopFileName(QString::fromUtf8(lpcszAppID));
}

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

ToolkitArgument ClassifyToolkitArgument(std::string_view argument)
{
    // The options of Qt's application, its widgets and its X11 platform (on another platform Qt leaves
    // the X11 ones on the command line, unread).
    static constexpr std::string_view kWithValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "session", "style", "stylesheet",
        "qmljsdebugger", "qwindowgeometry", "qwindowtitle", "qwindowicon", "geometry", "title", "icon",
        "display", "name", "visual"};
    static constexpr std::string_view kAlone[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};
    static constexpr std::string_view kJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};
    if (!argument.starts_with('-')) {
        return ToolkitArgument::None;
    }
    const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const auto is = [name](std::string_view option) { return name == option; };
    if (std::ranges::any_of(kWithValue, is)) {
        return ToolkitArgument::WithValue;
    }
    const auto joins = [name](std::string_view prefix) { return name.starts_with(prefix); };
    if (std::ranges::any_of(kAlone, is) || std::ranges::any_of(kJoined, joins)) {
        return ToolkitArgument::Alone;
    }
    return ToolkitArgument::None;
}

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
