#include "app/CalorieApp.h"

#include "app/CalorieDlg.h"
#include "app/ExeDirectory.h"
#include "app/ScreenshotTour.h"

#include <cstdlib>

CCalorieApp theApp;

namespace {

// The executable's full path; empty when the platform cannot tell. The buffer grows until the path
// fits, so a long path is never cut into a wrong directory.
std::string ExecutablePath()
{
    for (DWORD size = MAX_PATH; size <= 32 * 1024; size *= 2) {
        std::string path(size, '\0');
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size - 1) {
            path.resize(length);
            return path;
        }
    }
    return {};
}

// The program's directory becomes the current directory; a failure changes nothing and is silent.
void SetCurrentDirToExe()
{
    const std::string path = ExecutablePath();
    if (!path.empty()) {
        SetCurrentDirectoryA(DirectoryOfExecutable(path).c_str());
    }
}

} // namespace

CCalorieApp::CCalorieApp() : CWinApp(nullptr) {}

BOOL CCalorieApp::InitInstance()
{
    // VINTORA_NO_BANNER is for the start-up benchmark (bench/startup.sh) only: the program without the
    // browser engine, as where its plugin is not installed.
    if (!std::getenv("VINTORA_NO_BANNER")) {
        AfxEnableControlContainer();
    }
    SetAppID("kr.co.vintora.calorie"); // the desktop entry's and the software centres' id
    SetCurrentDirToExe();

    CCalorieDlg dlg;
    m_pMainWnd = &dlg;
    if (m_strScreenshotDir.empty()) {
        dlg.DoModal();
    } else {
        m_bScreenshotsSaved = SaveCalculatorScreenshots(dlg, m_strScreenshotDir);
    }
    m_pMainWnd = nullptr;
    return FALSE;
}
