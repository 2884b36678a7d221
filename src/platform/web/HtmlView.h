#pragma once
// A child window that shows a web page. The browser engine comes from a plugin of the layer that is
// loaded after the program's first window is on the screen (see BrowserLoader.h); without it the
// window stays plain and nothing else changes.
//
// Navigate2 asks for a page: a local path as the platform writes it, or an address with its scheme.
// The requests are served in order, each once the one before has completed, so a page asked for
// early is shown before a later one replaces it; those asked before the engine is there wait for it.
// OnNavigateComplete2 runs on the user-interface thread after every completed navigation, whoever
// started it (Navigate2, a link the user clicked, the page itself).
//
// Keys aimed at the page are the page's (WM_GETDLGCODE answers DLGC_WANTALLKEYS): no dialog takes them,
// so Tab moves between its links, Enter follows one, the arrows and Space scroll, Escape goes to the page
// too; the windows above still see them first, as they see every key (the calculator keys).

#include "platform/window/Wnd.h"

#include <memory>
#include <string>

class IBrowserPlugin;
namespace layer {
struct HtmlViewState;
}

class CHtmlView : public CWnd {
public:
    CHtmlView();
    ~CHtmlView() override;

    BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    void Navigate2(const std::string& url);
    // The address of the page shown now (file:// for a local page); empty before the first one.
    std::string GetLocationURL() const;
    // Whether a navigation asked for with Navigate2 is still waiting or loading.
    BOOL GetBusy() const;

    virtual void OnNavigateComplete2(const std::string& strURL);
    // The page asked, on a click or key of the user, for strUrl in a new window (a link with a target of
    // its own, window.open), once per request. The layer makes no window of its own: the page stays as it
    // is and nothing opens unless an override does.
    virtual void OnNewWindow3(const std::string& strUrl);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AttachBrowser(IBrowserPlugin& plugin);
    void NavigationCompleted(const std::string& url);
    void NavigateNext();

    std::unique_ptr<layer::HtmlViewState> m_state;
};

// Runs the event loop until no browser view is busy, for at most timeoutMs; answers at once when the
// browser engine cannot be had. TRUE when no view is busy any more.
BOOL AfxWaitForBrowserViews(DWORD timeoutMs);
