#include "platform/controls/Controls.h"

#include "platform/controls/ControlHosts.h"
#include "platform/controls/ControlOps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>

#include <cstring>

using layer::Find;
using layer::WindowRecord;

// CButton

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

int CButton::GetCheck() const { return layer::ButtonGetCheck(m_hWnd); }
void CButton::SetCheck(int nCheck) { layer::ButtonSetCheck(m_hWnd, nCheck); }

void CButton::SetAccessibleCheck(int nCheck)
{
    if (auto* button = layer::WidgetOf<layer::OwnerDrawButton>(m_hWnd)) {
        button->SetAccessibleCheck(nCheck != BST_UNCHECKED);
    }
}

UINT CButton::GetState() const
{
    auto* b = layer::WidgetOf<QAbstractButton>(m_hWnd);
    if (!b) {
        return 0;
    }
    return (b->isChecked() ? BST_CHECKED : 0) | (b->isDown() ? 0x0004u : 0u);
}

UINT CButton::GetButtonStyle() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? (rec->style & 0xFF) : 0;
}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM) {
        return FALSE;
    }
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

// CEdit

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) { layer::EditSetSel(m_hWnd, nStartChar, nEndChar); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    auto* edit = layer::WidgetOf<QLineEdit>(m_hWnd);
    nStartChar = nEndChar = 0;
    if (edit) {
        nStartChar = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        nEndChar = edit->hasSelectedText() ? edit->selectionEnd() : edit->cursorPosition();
    }
}

void CEdit::LimitText(int nChars)
{
    if (auto* edit = layer::WidgetOf<QLineEdit>(m_hWnd)) {
        edit->setMaxLength(nChars <= 0 ? 32767 : nChars);
    }
}

// CStatic

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    WindowRecord* rec = Find(m_hWnd);
    auto* label = layer::WidgetOf<layer::StaticHost>(m_hWnd);
    if (!rec || !label) {
        return nullptr;
    }
    auto* previous = static_cast<HBITMAP>(std::exchange(rec->picture, hBitmap));
    if (const layer::BitmapObject* b = layer::AsBitmap(hBitmap)) {
        label->isPicture = true;
        label->setPixmap(QPixmap::fromImage(b->image));
    }
    return previous;
}

HBITMAP CStatic::GetBitmap() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? static_cast<HBITMAP>(rec->picture) : nullptr;
}

HICON CStatic::SetIcon(HICON hIcon)
{
    WindowRecord* rec = Find(m_hWnd);
    auto* label = layer::WidgetOf<layer::StaticHost>(m_hWnd);
    if (!rec || !label) {
        return nullptr;
    }
    auto* previous = static_cast<HICON>(std::exchange(rec->picture, hIcon));
    if (const layer::IconObject* icon = layer::AsIcon(hIcon)) {
        label->isPicture = true;
        label->setPixmap(icon->pixmap);
    }
    return previous;
}

HICON CStatic::GetIcon() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? static_cast<HICON>(rec->picture) : nullptr;
}

// CComboBox

int CComboBox::AddString(const std::string& text) { return layer::ComboAdd(m_hWnd, text); }
int CComboBox::InsertString(int nIndex, const std::string& text) { return layer::ComboInsert(m_hWnd, nIndex, text); }

int CComboBox::DeleteString(UINT nIndex)
{
    auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd);
    if (!box || nIndex >= static_cast<UINT>(box->count())) {
        return CB_ERR;
    }
    const QSignalBlocker block(box);
    box->removeItem(static_cast<int>(nIndex));
    return box->count();
}

void CComboBox::ResetContent() { layer::ComboReset(m_hWnd); }
int CComboBox::GetCount() const { return layer::ComboCount(m_hWnd); }
int CComboBox::GetCurSel() const { return layer::ComboGetCurSel(m_hWnd); }
int CComboBox::SetCurSel(int nSelect) { return layer::ComboSetCurSel(m_hWnd, nSelect); }

int CComboBox::GetLBText(int nIndex, std::string& text) const
{
    auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd);
    if (!box || nIndex < 0 || nIndex >= box->count()) {
        return CB_ERR;
    }
    text = box->itemText(nIndex).toStdString();
    return static_cast<int>(text.size());
}

int CComboBox::GetLBText(int nIndex, char* buffer) const
{
    std::string text;
    const int n = GetLBText(nIndex, text);
    if (n == CB_ERR || !buffer) {
        return CB_ERR;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return n;
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    std::string text;
    return GetLBText(nIndex, text);
}

int CComboBox::FindStringExact(int nIndexStart, const std::string& text) const
{
    auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd);
    if (!box || box->count() == 0) {
        return CB_ERR;
    }
    const QString wanted = QString::fromStdString(text);
    const int n = box->count();
    const int first = nIndexStart < 0 || nIndexStart >= n ? 0 : nIndexStart + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (box->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return CB_ERR;
}

BOOL CComboBox::GetDroppedState() const
{
    auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd);
    return box && box->view()->isVisible();
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd)) {
        bShowIt ? box->showPopup() : box->hidePopup();
    }
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    *lprect = RECT{0, 0, 0, 0};
    auto* box = layer::WidgetOf<layer::ComboHost>(m_hWnd);
    if (!box || !box->view()->isVisible()) {
        return;
    }
    const QWidget* list = box->view()->window(); // the list's popup frame
    const QRect r(list->mapToGlobal(QPoint(0, 0)), list->size());
    *lprect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

