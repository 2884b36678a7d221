#include "app/ScreenshotTour.h"

#include "app/CalorieDlg.h"
#include "app/PageModel.h"

namespace {

const char* FileName(PageId page)
{
    switch (page) {
    case PageId::Food:
        return "food.png";
    case PageId::Exercise:
        return "exercise.png";
    case PageId::Recommend:
        return "recommend.png";
    case PageId::Bmi:
        return "bmi.png";
    case PageId::WaistHip:
        return "waisthip.png";
    }
    return "page.png";
}

} // namespace

bool SaveCalculatorScreenshots(CCalorieDlg& dlg, const std::string& directory)
{
    if (!dlg.Create(CCalorieDlg::IDD)) {
        return false;
    }
    // The banner strip shows its local page in the pictures, unless the browser takes too long.
    constexpr DWORD kBannerWaitMs = 5000;
    AfxWaitForBrowserViews(kBannerWaitMs);
    bool saved = true;
    for (PageId page : kPageIds) {
        CWnd* button = dlg.GetDlgItem(MenuButtonId(page));
        if (!button) {
            saved = false;
            break;
        }
        button->SendMessage(BM_CLICK);
        saved = SaveWindowImage(&dlg, directory + "/" + FileName(page)) && saved;
    }
    dlg.DestroyWindow();
    return saved;
}
