#pragma once
// The browser view of the banner strip. After every navigation it places itself at (-10, -15) in its
// host, 1000 x 1000, on top and shown, so the 485 x 90 strip shows the page's area from (10, 15): it has
// no visible size until the first page has loaded. A link of the page that asks for a new window (an
// advert) opens in the user's browser. It deletes itself when its window is destroyed.

#include "platform/Afx.h"

class CADView : public CHtmlView {
protected:
    void PostNcDestroy() override;
    void OnNavigateComplete2(const std::string& strURL) override;
    void OnNewWindow3(const std::string& strUrl) override;

    DECLARE_MESSAGE_MAP()
};
