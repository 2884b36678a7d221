#include "web/ADView.h"

#include "web/OpenLink.h"

BEGIN_MESSAGE_MAP(CADView, CHtmlView)
END_MESSAGE_MAP()

void CADView::PostNcDestroy()
{
    delete this;
}

void CADView::OnNavigateComplete2(const std::string& strURL)
{
    CHtmlView::OnNavigateComplete2(strURL);
    SetWindowPos(&wndTop, -10, -15, 1000, 1000, SWP_SHOWWINDOW);
}

void CADView::OnNewWindow3(const std::string& strUrl)
{
    OpenInBrowser(strUrl);
}
