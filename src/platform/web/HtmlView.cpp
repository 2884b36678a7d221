#include "platform/web/HtmlView.h"

#include "platform/host/WindowRegistry.h"
#include "platform/web/BrowserLoader.h"
#include "platform/web/BrowserPlugin.h"
#include "platform/window/Wnd.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <deque>
#include <set>

using layer::BrowserLoader;

namespace layer {

struct HtmlViewState {
    std::deque<QUrl> waiting;  // asked for, not started
    bool loading = false;      // one asked for has started and not completed
    QPointer<QWidget> browserWidget;
    IBrowserView* browser = nullptr; // valid while browserWidget lives
    std::string location;
};

} // namespace layer

namespace {

// The views with a window, for AfxWaitForBrowserViews (user-interface thread only).
std::set<const CHtmlView*>& LiveViews()
{
    static auto* views = new std::set<const CHtmlView*>;
    return *views;
}

} // namespace

CHtmlView::CHtmlView() : m_state(std::make_unique<layer::HtmlViewState>()) {}

CHtmlView::~CHtmlView()
{
    LiveViews().erase(this);
}

BOOL CHtmlView::Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, void* pContext)
{
    // A tab stop of its dialog, as the browser control is.
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle | WS_TABSTOP, rect, pParentWnd, nID, pContext)) {
        return FALSE;
    }
    LiveViews().insert(this);
    const HWND self = m_hWnd;
    QWidget* client = layer::ClientWidget(self);
    QObject::connect(client, &QObject::destroyed, [this] { LiveViews().erase(this); });
    BrowserLoader::Instance().Request(client, [this, self](IBrowserPlugin& plugin) {
        if (layer::Find(self)) {
            AttachBrowser(plugin);
        }
    });
    return TRUE;
}

LRESULT CHtmlView::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The web page takes every key (Tab between its links, Enter on one, Escape), not the dialog.
    if (message == WM_GETDLGCODE) {
        return DLGC_WANTALLKEYS;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CHtmlView::AttachBrowser(IBrowserPlugin& plugin)
{
    QWidget* client = layer::ClientWidget(m_hWnd);
    const HWND self = m_hWnd;
    // The browser lives inside the client area and goes with it; its reports come while the window lives.
    BrowserEvents events;
    events.navigated = [this, self](const QUrl& url) {
        if (layer::Find(self)) {
            NavigationCompleted(url.toString().toStdString());
        }
    };
    events.newWindow = [this, self](const QUrl& url) {
        if (layer::Find(self)) {
            OnNewWindow3(url.toString().toStdString());
        }
    };
    m_state->browser = plugin.CreateView(client, std::move(events));
    m_state->browserWidget = m_state->browser->Widget();
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_state->browserWidget);
    NavigateNext();
}

void CHtmlView::Navigate2(const std::string& url)
{
    m_state->waiting.push_back(QUrl::fromUserInput(QString::fromStdString(url)));
    NavigateNext();
}

void CHtmlView::NavigateNext()
{
    if (!m_state->browserWidget || m_state->loading || m_state->waiting.empty()) {
        return;
    }
    m_state->loading = true;
    const QUrl next = m_state->waiting.front();
    m_state->waiting.pop_front();
    m_state->browser->Navigate(next);
}

void CHtmlView::NavigationCompleted(const std::string& url)
{
    m_state->loading = false;
    m_state->location = url;
    const HWND self = m_hWnd;
    OnNavigateComplete2(url);
    if (layer::Find(self)) {
        NavigateNext();
    }
}

std::string CHtmlView::GetLocationURL() const { return m_state->location; }

BOOL CHtmlView::GetBusy() const { return m_state->loading || !m_state->waiting.empty(); }

void CHtmlView::OnNavigateComplete2(const std::string&) {}

void CHtmlView::OnNewWindow3(const std::string&) {}

BOOL AfxWaitForBrowserViews(DWORD timeoutMs)
{
    const auto anyBusy = [] {
        return std::any_of(LiveViews().begin(), LiveViews().end(), [](const CHtmlView* v) { return v->GetBusy(); });
    };
    const auto runEventsFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    const QDeadlineTimer deadline(static_cast<qint64>(timeoutMs));
    const auto engineMayCome = [] { return BrowserLoader::Instance().GetState() != BrowserLoader::State::Unavailable; };
    while (anyBusy() && engineMayCome() && !deadline.hasExpired()) {
        runEventsFor(20);
    }
    // The engine draws a completed page a moment after it reports it.
    constexpr int kDrawMs = 500;
    if (!anyBusy() && engineMayCome()) {
        runEventsFor(static_cast<int>(std::min<qint64>(kDrawMs, deadline.remainingTime())));
    }
    return !anyBusy();
}
