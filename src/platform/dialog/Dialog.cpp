#include "platform/dialog/Dialog.h"

#include "platform/controls/ControlFactory.h"
#include "platform/dialog/DialogKeys.h"
#include "platform/dialog/ModalActivation.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/WindowFactory.h"
#include "platform/window/Wnd.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <map>

using layer::Find;
using layer::WindowRecord;

namespace {

// The running modal loops by dialog window.
std::map<HWND, QEventLoop*>& ModalLoops()
{
    static auto* loops = new std::map<HWND, QEventLoop*>();
    return *loops;
}

void ExitModalLoop(HWND hwnd)
{
    if (auto it = ModalLoops().find(hwnd); it != ModalLoops().end()) {
        it->second->exit();
    }
}

QFont TemplateFont(const DialogTemplate& t)
{
    LOGFONT lf = layer::DialogLogFont(t.fontPoints > 0 ? t.fontPoints : 9);
    if (!t.fontFace.empty()) {
        const size_t n = std::min(t.fontFace.size(), sizeof lf.lfFaceName - 1);
        std::copy_n(t.fontFace.data(), n, lf.lfFaceName);
        lf.lfFaceName[n] = '\0';
    }
    return layer::FontFromLogFont(lf);
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd)
    : m_pTemplate(&dialogTemplate), m_nIDTemplate(static_cast<UINT>(dialogTemplate.id)), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pTemplate = FindDialogTemplate(static_cast<int>(nIDTemplate));
    return m_pTemplate ? CreateFromTemplate(pParentWnd, FALSE) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd)
{
    m_pTemplate = &dialogTemplate;
    m_nIDTemplate = static_cast<UINT>(dialogTemplate.id);
    return CreateFromTemplate(pParentWnd, FALSE);
}

BOOL CDialog::CreateFromTemplate(CWnd* pParentWnd, BOOL modal)
{
    const DialogTemplate& t = *m_pTemplate;
    const bool child = t.style & WS_CHILD;
    if (m_hWnd || (child && !pParentWnd)) {
        return FALSE;
    }
    m_pParentWnd = pParentWnd;
    const QSize client(DialogUnitsToPixelsX(t.cx), DialogUnitsToPixelsY(t.cy));
    const QSize outer = layer::OuterSizeFor(t.style, client);
    QRect rect(QPoint(0, 0), outer);
    if (!child) {
        // Centred on the owner, or on the screen.
        WindowRecord* owner = layer::TopLevelOf(Find(pParentWnd ? pParentWnd->m_hWnd : nullptr));
        const QRect area = owner && owner->outer ? owner->outer->frameGeometry()
                           : QGuiApplication::primaryScreen()
                               ? QGuiApplication::primaryScreen()->availableGeometry()
                               : QRect(0, 0, 1024, 768);
        rect.moveCenter(area.center());
    }
    const HWND parent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    WindowRecord* rec = layer::MakeWindow(this, layer::WindowKind::Dialog, t.style, t.exStyle, rect, parent, 0, false,
                                          std::string(t.title));
    rec->text = QString::fromUtf8(t.title.data(), static_cast<int>(t.title.size()));
    rec->client->setFont(TemplateFont(t));
    if (modal) {
        rec->outer->setWindowModality(Qt::ApplicationModal);
    }
    const HWND self = m_hWnd;
    CREATESTRUCT cs{nullptr, nullptr, nullptr, parent, outer.height(), outer.width(), rect.y(), rect.x(),
                    static_cast<LONG>(t.style), t.title.data(), "#32770", t.exStyle};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    layer::CreateTemplateControls(self, t);
    const LRESULT setFocus = SendMessage(WM_INITDIALOG);
    if (!Find(self)) {
        return FALSE;
    }
    if ((t.style & WS_VISIBLE) && !modal) {
        ShowWindow(SW_SHOW);
    }
    if (setFocus) {
        layer::MoveDialogFocus(self, true);
    }
    return Find(self) != nullptr;
}

INT_PTR CDialog::DoModal()
{
    if (!m_pTemplate) {
        m_pTemplate = FindDialogTemplate(static_cast<int>(m_nIDTemplate));
    }
    if (!m_pTemplate || m_hWnd) {
        return -1;
    }
    const layer::ModalActivation activation;
    m_nModalResult = -1;
    m_bInModalLoop = true;
    if (!CreateFromTemplate(m_pParentWnd, TRUE)) {
        m_bInModalLoop = false;
        return -1;
    }
    const HWND self = m_hWnd;
    if (m_bInModalLoop) { // EndDialog during OnInitDialog ends it before it shows
        ShowWindow(SW_SHOW);
        if (WindowRecord* rec = Find(self); rec && rec->outer && !rec->outer->focusWidget()) {
            layer::MoveDialogFocus(self, true);
        }
        QEventLoop loop;
        ModalLoops()[self] = &loop;
        if (m_bInModalLoop) {
            loop.exec();
        }
        ModalLoops().erase(self);
    }
    m_bInModalLoop = false;
    if (Find(self)) {
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bInModalLoop = false;
    ExitModalLoop(m_hWnd);
    ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) { return layer::HandleDialogKey(this, pMsg); }

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_CLOSE:
        // A dialog's close request is the Cancel command.
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    case WM_DESTROY:
        m_bInModalLoop = false;
        ExitModalLoop(m_hWnd);
        return CWnd::DefWindowProc(message, wParam, lParam);
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CDialog::NextDlgCtrl() const { layer::MoveDialogFocus(m_hWnd, true); }
void CDialog::PrevDlgCtrl() const { layer::MoveDialogFocus(m_hWnd, false); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl) {
        layer::FocusControl(pWndCtrl->m_hWnd);
    }
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    *lpRect = RECT{DialogUnitsToPixelsX(lpRect->left), DialogUnitsToPixelsY(lpRect->top),
                   DialogUnitsToPixelsX(lpRect->right), DialogUnitsToPixelsY(lpRect->bottom)};
}
