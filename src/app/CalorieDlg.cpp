#include "app/CalorieDlg.h"

#include "app/AboutDlg.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"
#include "food/FoodTotalBar.h"
#include "food/FoodView.h"
#include "ui/SkinDraw.h"
#include "web/ADView.h"
#include "web/BannerFetch.h"
#include "web/BannerHostDlg.h"
#include "web/OpenLink.h"

#include <algorithm>
#include <iterator>

namespace {

// Where the children stand in the client area, in pixels. Every calculator page takes the same place
// on the sheet, 470 × 250; the food page leaves its bottom 30 pixels to the total bar.
constexpr CRect kPageRect{215, 140, 685, 390};
constexpr int kTotalBarHeight = 30;
constexpr CRect kFoodPageRect{kPageRect.left, kPageRect.top, kPageRect.right, kPageRect.bottom - kTotalBarHeight};
constexpr CRect kTotalBarRect{kPageRect.left, kFoodPageRect.bottom, kPageRect.right, kPageRect.bottom};
constexpr CRect kBannerRect{215, 395, 700, 485};
// Sent once the window's first frame is on the screen: the calculators not shown at the start are made.
constexpr UINT WM_CREATE_PAGES = WM_APP + 0x52;
// The title picture of the current page, and the area repainted when the page changes.
constexpr int kTitleLeft = 215;
constexpr int kTitleTop = 100;
constexpr RECT kTitleArea{200, 100, 400, 150};

} // namespace

BEGIN_MESSAGE_MAP(CCalorieDlg, CDialog)
    ON_WM_CREATE()
    ON_MESSAGE(WM_CREATE_PAGES, &CCalorieDlg::OnCreatePages)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_BN_CLICKED(IDC_DIARY, &CCalorieDlg::OnBtnDiary)
    ON_BN_CLICKED(IDC_BODY, &CCalorieDlg::OnBtnBody)
    ON_BN_CLICKED(IDC_RELAY, &CCalorieDlg::OnBtnRelay)
    ON_BN_CLICKED(IDC_MALL, &CCalorieDlg::OnBtnMall)
    ON_BN_CLICKED(IDC_MENU_FOOD, &CCalorieDlg::OnBtnFood)
    ON_BN_CLICKED(IDC_MENU_EXERCISE, &CCalorieDlg::OnBtnExercise)
    ON_BN_CLICKED(IDC_MENU_RECOMMEND, &CCalorieDlg::OnBtnRecommend)
    ON_BN_CLICKED(IDC_MENU_BMI, &CCalorieDlg::OnBtnBmi)
    ON_BN_CLICKED(IDC_MENU_WAISTHIP, &CCalorieDlg::OnBtnWaistHip)
    ON_COMMAND(IDCANCEL, &CCalorieDlg::OnMinimize)
END_MESSAGE_MAP()

CCalorieDlg::CCalorieDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    if (CWinApp* app = AfxGetApp()) {
        m_hIcon = app->LoadIcon(IDI_MAINFRAME);
    }
}

void CCalorieDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDCANCEL, m_btnMinimize);
    DDX_Control(pDX, IDOK, m_btnClose);
    DDX_Control(pDX, IDC_MENU_RECOMMEND, m_btnRecommend);
    DDX_Control(pDX, IDC_MENU_WAISTHIP, m_btnWaistHip);
    DDX_Control(pDX, IDC_MENU_BMI, m_btnBmi);
    DDX_Control(pDX, IDC_MENU_EXERCISE, m_btnExercise);
    DDX_Control(pDX, IDC_MENU_FOOD, m_btnFood);
    DDX_Control(pDX, IDC_RELAY, m_btnRelay);
    DDX_Control(pDX, IDC_MALL, m_btnMall);
    DDX_Control(pDX, IDC_DIARY, m_btnDiary);
    DDX_Control(pDX, IDC_BODY, m_btnBody);
}

int CCalorieDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }

    // The food calculator is the one on the screen at the start; the others are made once the window's
    // first frame is there, before the banner's browser engine loads (see CreatePages).
    SendMessageAfterFirstFrame(m_hWnd, WM_CREATE_PAGES);

    m_pBannerHost = new CBannerHostDlg;
    m_pBannerHost->Create(CBannerHostDlg::IDD, this);
    m_pBannerHost->MoveWindow(&kBannerRect);
    m_pBannerHost->m_pView->Navigate2(LocalBannerPath());
    AfxBeginThread(BannerThreadProc, m_pBannerHost->GetSafeHwnd());
    m_pBannerHost->ShowWindow(SW_SHOW);

    m_pTotalBar = new CFoodTotalBar;
    m_pTotalBar->Create(CFoodTotalBar::IDD, this);
    m_pTotalBar->SetWindowPos(&wndTop, kTotalBarRect.left, kTotalBarRect.top, kTotalBarRect.Width(),
                              kTotalBarRect.Height(), SWP_SHOWWINDOW);

    m_pFoodView = new CFoodView;
    m_pFoodView->m_pTotalBar = m_pTotalBar;
    m_pFoodView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kFoodPageRect, this, IDC_FOOD_VIEW);
    m_pFoodView->ShowWindow(SW_SHOW);
    m_pTotalBar->SetFoodView(m_pFoodView);
    return 0;
}

LRESULT CCalorieDlg::OnCreatePages(WPARAM, LPARAM)
{
    CreatePages();
    return 0;
}

void CCalorieDlg::CreatePages()
{
    if (m_pExercisePage) {
        return;
    }
    m_pExercisePage = new CExerciseDlg;
    CreatePage(m_pExercisePage, CExerciseDlg::IDD, PageId::Exercise);
    m_pRecommendPage = new CRecommendDlg;
    CreatePage(m_pRecommendPage, CRecommendDlg::IDD, PageId::Recommend);
    m_pBmiPage = new CBmiDlg;
    CreatePage(m_pBmiPage, CBmiDlg::IDD, PageId::Bmi);
    m_pWaistHipPage = new CWaistHipDlg;
    CreatePage(m_pWaistHipPage, CWaistHipDlg::IDD, PageId::WaistHip);
}

void CCalorieDlg::CreatePage(CDialog* page, UINT nIDTemplate, PageId id)
{
    page->Create(nIDTemplate, this);
    page->SetWindowPos(m_pFoodView, kPageRect.left, kPageRect.top, kPageRect.Width(), kPageRect.Height(),
                       SWP_NOACTIVATE); // in the food page's place in the Tab loop
    page->ShowWindow(SW_HIDE);
    page->SetAccessibleName(PageTitle(id));
}

BOOL CCalorieDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        const std::string about = AfxLoadString(IDS_ABOUTBOX);
        if (!about.empty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText("칼로리 계산기");

    m_btnDiary.SetBitmapId(IDB_TAB_DIARY);
    m_btnBody.SetBitmapId(IDB_TAB_BODY);
    m_btnRelay.SetBitmapId(IDB_TAB_RELAY);
    m_btnMall.SetBitmapId(IDB_TAB_SHOP);
    m_btnClose.SetBitmapId(IDB_BTN_CLOSE);
    m_btnClose.SetWindowPos(&wndTop, 0, 0, 13, 13, SWP_NOMOVE | SWP_SHOWWINDOW);
    m_btnClose.SetAccessibleName("닫기");
    m_btnMinimize.SetBitmapId(IDB_BTN_MINIMIZE);
    m_btnMinimize.SetWindowPos(&wndTop, 0, 0, 13, 13, SWP_NOMOVE | SWP_SHOWWINDOW);
    m_btnMinimize.SetAccessibleName("최소화");

    // Screen readers name each button as a person reads it: a tab by the words on its picture, a menu
    // button by its page's title.
    struct Placement {
        CButton* button;
        int x, y, cx, cy;
        const char* name;
    };
    const Placement placements[] = {
        {&m_btnDiary, 702, 99, 78, 63, "다이어트 일기"},
        {&m_btnBody, 702, 162, 78, 63, "몸매 사진"},
        {&m_btnRelay, 702, 225, 78, 63, "릴레이 다이어트"},
        {&m_btnMall, 702, 288, 78, 63, "다이어트 쇼핑"},
        {&m_btnFood, 65, 153, 106, 47, PageTitle(PageId::Food)},
        {&m_btnExercise, 65, 214, 106, 47, PageTitle(PageId::Exercise)},
        {&m_btnRecommend, 65, 275, 106, 47, PageTitle(PageId::Recommend)},
        {&m_btnBmi, 65, 336, 106, 47, PageTitle(PageId::Bmi)},
        {&m_btnWaistHip, 65, 397, 106, 47, PageTitle(PageId::WaistHip)},
    };
    for (const Placement& p : placements) {
        p.button->SetWindowPos(nullptr, p.x, p.y, p.cx, p.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
        p.button->SetAccessibleName(p.name);
    }
    m_pFoodView->SetAccessibleName(PageTitle(PageId::Food));

    // One Tab loop round the window: the calculator shown (the others take its place as they are made), its
    // total bar, the menu, the tabs, the banner, minimise and close; each follows the one before it.
    CWnd* const tabOrder[] = {m_pFoodView, m_pTotalBar,  &m_btnFood,    &m_btnExercise, &m_btnRecommend,
                              &m_btnBmi,   &m_btnWaistHip, &m_btnDiary, &m_btnBody,     &m_btnRelay,
                              &m_btnMall,  m_pBannerHost, &m_btnMinimize, &m_btnClose};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        tabOrder[i]->SetWindowPos(tabOrder[i - 1], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    for (PageId page : kPageIds) { // every menu button is heard as one of a choice, the food one checked
        MenuButtonOf(page).SetSelected(page == PageId::Food);
    }
    m_pCurrentMenuButton = &m_btnFood;
    m_pCurrentPage = m_pFoodView;
    m_pFoodView->ResetSelections();
    return TRUE;
}

// Page switching -------------------------------------------------------------------------------------

void CCalorieDlg::OnBtnFood() { SwitchTo(PageId::Food); }
void CCalorieDlg::OnBtnExercise() { SwitchTo(PageId::Exercise); }
void CCalorieDlg::OnBtnRecommend() { SwitchTo(PageId::Recommend); }
void CCalorieDlg::OnBtnBmi() { SwitchTo(PageId::Bmi); }
void CCalorieDlg::OnBtnWaistHip() { SwitchTo(PageId::WaistHip); }

void CCalorieDlg::SwitchTo(PageId page)
{
    CreatePages(); // a click that comes before the first frame is on the screen
    for (const PageEffect& effect : m_pageModel.Click(page)) {
        switch (effect.kind) {
        case PageEffectKind::SelectButton:
            m_pCurrentMenuButton = &MenuButtonOf(effect.page);
            m_pCurrentMenuButton->SetSelected(1);
            break;
        case PageEffectKind::UnselectButton:
            MenuButtonOf(effect.page).SetSelected(0);
            break;
        case PageEffectKind::HidePage:
            PageWindowOf(effect.page)->ShowWindow(SW_HIDE);
            break;
        case PageEffectKind::ShowPage:
            m_pCurrentPage = PageWindowOf(effect.page);
            m_pCurrentPage->ShowWindow(SW_SHOW);
            break;
        case PageEffectKind::RepaintTitle:
            m_nTitleBitmapId = m_pageModel.State().title;
            InvalidateRect(&kTitleArea, FALSE);
            UpdateWindow();
            break;
        }
    }
}

// The calculator keys ----------------------------------------------------------------------------------

BOOL CCalorieDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
        HandleCalculatorKey(static_cast<UINT>(pMsg->wParam), GetKeyState(VK_SHIFT) < 0, pMsg->hwnd)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

bool CCalorieDlg::HandleCalculatorKey(UINT key, bool shift, HWND target)
{
    const auto shown = std::find(kPageIds.begin(), kPageIds.end(), m_pageModel.State().shown) - kPageIds.begin();
    const auto count = static_cast<std::ptrdiff_t>(kPageIds.size());
    std::ptrdiff_t next = -1;
    if (key >= '1' && key < '1' + kPageIds.size()) {
        next = key - '1';
    } else if (key == VK_NEXT || (key == VK_TAB && !shift)) {
        next = (shown + 1) % count;
    } else if (key == VK_PRIOR || (key == VK_TAB && shift)) {
        next = (shown + count - 1) % count;
    } else if (key == 'C' && !shift) {
        // An entry's selected text, and whatever the web page holds, is theirs to copy.
        CWnd* focus = CWnd::FromHandle(target);
        int start = 0;
        int end = 0;
        if (auto* edit = dynamic_cast<CEdit*>(focus)) {
            edit->GetSel(start, end);
        }
        if (start != end || (focus && (focus->SendMessage(WM_GETDLGCODE) & DLGC_WANTALLKEYS))) {
            return false;
        }
        if (const std::string text = ResultsText(); !text.empty()) {
            SetClipboardText(text);
        }
        return true;
    }
    if (next < 0) {
        return false;
    }
    const PageId page = kPageIds[static_cast<std::size_t>(next)];
    SwitchTo(page);
    GotoDlgCtrl(PageWindowOf(page)->GetNextDlgTabItem(nullptr));
    return true;
}

std::string CCalorieDlg::ResultsText() const
{
    switch (m_pageModel.State().shown) {
    case PageId::Food:
        return m_pFoodView->ResultsText();
    case PageId::Exercise:
        return m_pExercisePage->ResultsText();
    case PageId::Recommend:
        return m_pRecommendPage->ResultsText();
    case PageId::Bmi:
        return m_pBmiPage->ResultsText();
    case PageId::WaistHip:
        return m_pWaistHipPage->ResultsText();
    }
    return {};
}

CMenuButton& CCalorieDlg::MenuButtonOf(PageId page)
{
    switch (page) {
    case PageId::Exercise:
        return m_btnExercise;
    case PageId::Recommend:
        return m_btnRecommend;
    case PageId::Bmi:
        return m_btnBmi;
    case PageId::WaistHip:
        return m_btnWaistHip;
    case PageId::Food:
        break;
    }
    return m_btnFood;
}

CWnd* CCalorieDlg::PageWindowOf(PageId page) const
{
    switch (page) {
    case PageId::Exercise:
        return m_pExercisePage;
    case PageId::Recommend:
        return m_pRecommendPage;
    case PageId::Bmi:
        return m_pBmiPage;
    case PageId::WaistHip:
        return m_pWaistHipPage;
    case PageId::Food:
        break;
    }
    return m_pFoodView;
}

// Links ------------------------------------------------------------------------------------------------

void CCalorieDlg::OnBtnDiary() { OpenLink(LinkId::Diary); }
void CCalorieDlg::OnBtnBody() { OpenLink(LinkId::Body); }
void CCalorieDlg::OnBtnRelay() { OpenLink(LinkId::Relay); }
void CCalorieDlg::OnBtnMall() { OpenLink(LinkId::Mall); }

// Mouse, keys and the system menu ------------------------------------------------------------------------

void CCalorieDlg::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (m_rcLogo.PtInRect(point)) {
        OpenLink(LinkId::Logo);
        Default();
        return;
    }
    // Any other press on the skin moves the window, as a press on a caption would.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CCalorieDlg::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_rcLogo.PtInRect(point)) {
        if (!m_hHandCursor) {
            m_hHandCursor = LoadCursor(nullptr, IDC_HAND);
        }
        if (!m_hSavedCursor) {
            m_hSavedCursor = GetCursor();
        }
        SetCursor(m_hHandCursor);
    } else if (m_hSavedCursor) {
        SetCursor(m_hSavedCursor);
    }
    Default();
}

void CCalorieDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

// The minimise button; the dialog keys deliver Escape and the system close request as this command too.
void CCalorieDlg::OnMinimize()
{
    ShowWindow(SW_MINIMIZE);
}

// Painting ------------------------------------------------------------------------------------------------

BOOL CCalorieDlg::OnEraseBkgnd(CDC* pDC)
{
    DrawSkinBitmap(*pDC, IDB_SKIN, 0, 0);
    return TRUE; // the skin covers the whole window: the background counts as erased
}

void CCalorieDlg::OnPaint()
{
    if (IsIconic()) {
        PaintIcon();
        return;
    }
    {
        CPaintDC dc(this);
        DrawSkinBitmap(dc, m_nTitleBitmapId, kTitleLeft, kTitleTop);
    }
    Default();
}

void CCalorieDlg::PaintIcon()
{
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CCalorieDlg::OnQueryDragIcon()
{
    return m_hIcon;
}
