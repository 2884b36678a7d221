#include "ui/platform/Controls.h"

#include "ui/platform/ControlOps.h"
#include "ui/platform/GdiObjects.h"
#include "ui/platform/HostWidgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCollator>
#include <QHeaderView>
#include <QLocale>

#include <algorithm>
#include <cstring>

using layer::Find;
using layer::WindowRecord;

namespace {

template <class W>
W* WidgetOf(HWND hwnd)
{
    WindowRecord* rec = Find(hwnd);
    return rec ? dynamic_cast<W*>(rec->outer.data()) : nullptr;
}

const QCollator& KoreanCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Korean, QLocale::SouthKorea)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

int CopyText(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0) {
        return 0;
    }
    const int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

// Buttons

int ButtonGetCheck(HWND hwnd)
{
    auto* b = WidgetOf<QAbstractButton>(hwnd);
    return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void ButtonSetCheck(HWND hwnd, int check)
{
    auto* b = WidgetOf<QAbstractButton>(hwnd);
    if (!b || !b->isCheckable()) {
        return;
    }
    // An exclusive group refuses to uncheck its checked button; the program may uncheck it.
    QButtonGroup* group = b->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive && !check) {
        group->setExclusive(false);
    }
    b->setChecked(check != BST_UNCHECKED);
    if (exclusive && !check) {
        group->setExclusive(true);
    }
}

// Combo boxes

int ComboInsert(HWND hwnd, int index, const std::string& text)
{
    auto* box = WidgetOf<layer::ComboHost>(hwnd);
    if (!box || index > box->count()) {
        return CB_ERR;
    }
    const QString item = QString::fromStdString(text);
    if (index < 0) {
        index = box->count();
    }
    const int previous = box->currentIndex();
    const QSignalBlocker block(box);
    box->insertItem(index, item);
    // A box keeps "no selection" when entries arrive; an insertion before the selection moves it along.
    box->setCurrentIndex(previous < 0 ? -1 : (index <= previous ? previous + 1 : previous));
    return index;
}

int ComboAdd(HWND hwnd, const std::string& text)
{
    auto* box = WidgetOf<layer::ComboHost>(hwnd);
    if (!box) {
        return CB_ERR;
    }
    if (!box->sorted) {
        return ComboInsert(hwnd, box->count(), text);
    }
    // After the entries that sort before it or equal it, by Korean collation without case.
    const QString item = QString::fromStdString(text);
    int index = 0;
    while (index < box->count() && KoreanCollator().compare(box->itemText(index), item) <= 0) {
        ++index;
    }
    return ComboInsert(hwnd, index, text);
}

int ComboSetCurSel(HWND hwnd, int index)
{
    auto* box = WidgetOf<layer::ComboHost>(hwnd);
    if (!box) {
        return CB_ERR;
    }
    const bool valid = index >= 0 && index < box->count();
    const QSignalBlocker block(box);
    box->setCurrentIndex(valid ? index : -1);
    return valid ? index : CB_ERR;
}

int ComboGetCurSel(HWND hwnd)
{
    auto* box = WidgetOf<layer::ComboHost>(hwnd);
    return box ? box->currentIndex() : CB_ERR;
}

int ComboCount(HWND hwnd)
{
    auto* box = WidgetOf<layer::ComboHost>(hwnd);
    return box ? box->count() : CB_ERR;
}

void ComboReset(HWND hwnd)
{
    if (auto* box = WidgetOf<layer::ComboHost>(hwnd)) {
        const QSignalBlocker block(box);
        box->clear();
    }
}

// Edits

void EditSetSel(HWND hwnd, int start, int end)
{
    auto* edit = WidgetOf<QLineEdit>(hwnd);
    if (!edit) {
        return;
    }
    if (start < 0) {
        edit->deselect();
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    end = end < 0 ? length : std::min(end, length);
    start = std::min(start, length);
    edit->setSelection(start, end - start);
}

// List views

QTableWidget* ListOf(HWND hwnd) { return WidgetOf<layer::ListHost>(hwnd); }

QTableWidgetItem* NewListItem(const QString& text, bool checkable)
{
    auto* item = new QTableWidgetItem(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (checkable) {
        flags |= Qt::ItemIsUserCheckable;
        item->setCheckState(Qt::Unchecked);
    }
    item->setFlags(flags);
    return item;
}

bool ValidRow(const QTableWidget* list, int row) { return list && row >= 0 && row < list->rowCount(); }

bool RowSelected(const QTableWidget* list, int row)
{
    const QTableWidgetItem* item = list->item(row, 0);
    return item && item->isSelected();
}

} // namespace

namespace layer {

bool IsCheckButton(const WindowRecord* rec)
{
    const DWORD type = rec->style & BS_TYPEMASK;
    return rec->kind == WindowKind::Button &&
           (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON || type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
}

bool IsRadioButton(const WindowRecord* rec)
{
    const DWORD type = rec->style & BS_TYPEMASK;
    return rec->kind == WindowKind::Button && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
}

bool IsPushButton(const WindowRecord* rec)
{
    const DWORD type = rec->style & BS_TYPEMASK;
    return rec->kind == WindowKind::Button &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

bool ControlDefault(WindowRecord* rec, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const HWND h = rec->hwnd;
    switch (rec->kind) {
    case WindowKind::ComboBox:
        switch (message) {
        case CB_ADDSTRING:
            *result = ComboAdd(h, lParam ? reinterpret_cast<const char*>(lParam) : "");
            return true;
        case CB_GETCOUNT:
            *result = ComboCount(h);
            return true;
        case CB_GETCURSEL:
            *result = ComboGetCurSel(h);
            return true;
        case CB_SETCURSEL:
            *result = ComboSetCurSel(h, static_cast<int>(wParam));
            return true;
        case CB_RESETCONTENT:
            ComboReset(h);
            *result = 0;
            return true;
        default:
            return false;
        }
    case WindowKind::Button:
        switch (message) {
        case BM_GETCHECK:
            *result = ButtonGetCheck(h);
            return true;
        case BM_SETCHECK:
            ButtonSetCheck(h, static_cast<int>(wParam));
            *result = 0;
            return true;
        case BM_CLICK:
            if (auto* b = WidgetOf<QAbstractButton>(h)) {
                b->click();
            }
            *result = 0;
            return true;
        default:
            return false;
        }
    case WindowKind::Edit:
        if (message == EM_SETSEL) {
            EditSetSel(h, static_cast<int>(static_cast<std::intptr_t>(wParam)), static_cast<int>(lParam));
            *result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

QString DisplayText(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QChar('&') && i + 1 < text.size()) {
            ++i; // "&x" shows x (underlined on the classic desktop), "&&" shows one "&"
        }
        out += text[i];
    }
    return out;
}

bool SetControlText(WindowRecord* rec, const QString& text)
{
    QWidget* w = rec->outer;
    if (auto* b = dynamic_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* e = dynamic_cast<QLineEdit*>(w)) {
        e->setText(text);
    } else if (auto* l = dynamic_cast<StaticHost*>(w); l && !l->isPicture) {
        l->setText(DisplayText(text)); // the window text keeps its access mark (rec->text)
    } else if (auto* c = dynamic_cast<QComboBox*>(w); c && c->isEditable()) {
        c->setEditText(text);
    } else {
        return false;
    }
    return true;
}

bool GetControlText(WindowRecord* rec, QString& text)
{
    QWidget* w = rec->outer;
    if (auto* b = dynamic_cast<QAbstractButton*>(w)) {
        text = b->text();
    } else if (auto* e = dynamic_cast<QLineEdit*>(w)) {
        text = e->text();
    } else if (auto* c = dynamic_cast<QComboBox*>(w)) {
        text = c->currentText();
    } else {
        return false;
    }
    return true;
}

} // namespace layer

// CButton

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

int CButton::GetCheck() const { return ButtonGetCheck(m_hWnd); }
void CButton::SetCheck(int nCheck) { ButtonSetCheck(m_hWnd, nCheck); }

UINT CButton::GetState() const
{
    auto* b = WidgetOf<QAbstractButton>(m_hWnd);
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

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) { EditSetSel(m_hWnd, nStartChar, nEndChar); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    auto* edit = WidgetOf<QLineEdit>(m_hWnd);
    nStartChar = nEndChar = 0;
    if (edit) {
        nStartChar = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        nEndChar = edit->hasSelectedText() ? edit->selectionEnd() : edit->cursorPosition();
    }
}

void CEdit::LimitText(int nChars)
{
    if (auto* edit = WidgetOf<QLineEdit>(m_hWnd)) {
        edit->setMaxLength(nChars <= 0 ? 32767 : nChars);
    }
}

// CStatic

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    WindowRecord* rec = Find(m_hWnd);
    auto* label = WidgetOf<layer::StaticHost>(m_hWnd);
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
    auto* label = WidgetOf<layer::StaticHost>(m_hWnd);
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

int CComboBox::AddString(const std::string& text) { return ComboAdd(m_hWnd, text); }
int CComboBox::InsertString(int nIndex, const std::string& text) { return ComboInsert(m_hWnd, nIndex, text); }

int CComboBox::DeleteString(UINT nIndex)
{
    auto* box = WidgetOf<layer::ComboHost>(m_hWnd);
    if (!box || nIndex >= static_cast<UINT>(box->count())) {
        return CB_ERR;
    }
    const QSignalBlocker block(box);
    box->removeItem(static_cast<int>(nIndex));
    return box->count();
}

void CComboBox::ResetContent() { ComboReset(m_hWnd); }
int CComboBox::GetCount() const { return ComboCount(m_hWnd); }
int CComboBox::GetCurSel() const { return ComboGetCurSel(m_hWnd); }
int CComboBox::SetCurSel(int nSelect) { return ComboSetCurSel(m_hWnd, nSelect); }

int CComboBox::GetLBText(int nIndex, std::string& text) const
{
    auto* box = WidgetOf<layer::ComboHost>(m_hWnd);
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
    auto* box = WidgetOf<layer::ComboHost>(m_hWnd);
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
    auto* box = WidgetOf<layer::ComboHost>(m_hWnd);
    return box && box->view()->isVisible();
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (auto* box = WidgetOf<layer::ComboHost>(m_hWnd)) {
        bShowIt ? box->showPopup() : box->hidePopup();
    }
}

// CListCtrl

int CListCtrl::InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat, int nWidth, int)
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!list || nCol < 0) {
        return -1;
    }
    nCol = std::min(nCol, list->columnCount());
    list->insertColumn(nCol);
    auto* header = new QTableWidgetItem(QString::fromUtf8(lpszColumnHeading ? lpszColumnHeading : ""));
    const Qt::Alignment align = nFormat == LVCFMT_RIGHT ? Qt::AlignRight : nFormat == LVCFMT_CENTER ? Qt::AlignHCenter
                                                                                                    : Qt::AlignLeft;
    header->setTextAlignment(align | Qt::AlignVCenter);
    list->setHorizontalHeaderItem(nCol, header);
    list->setColumnWidth(nCol, nWidth < 0 ? 100 : nWidth);
    for (int row = 0; row < list->rowCount(); ++row) {
        list->setItem(row, nCol, NewListItem(QString(), false));
    }
    return nCol;
}

int CListCtrl::GetColumnCount() const
{
    QTableWidget* list = ListOf(m_hWnd);
    return list ? list->columnCount() : 0;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    QTableWidget* list = ListOf(m_hWnd);
    return list ? list->columnWidth(nCol) : 0;
}

int CListCtrl::InsertItem(int nItem, const char* lpszItem)
{
    QTableWidget* list = ListOf(m_hWnd);
    WindowRecord* rec = Find(m_hWnd);
    if (!list || nItem < 0) {
        return -1;
    }
    const int row = std::min(nItem, list->rowCount());
    list->insertRow(row);
    const bool checkable = rec->listExStyle & LVS_EX_CHECKBOXES;
    list->setItem(row, 0, NewListItem(QString::fromUtf8(lpszItem ? lpszItem : ""), checkable));
    for (int col = 1; col < list->columnCount(); ++col) {
        list->setItem(row, col, NewListItem(QString(), false));
    }
    return row;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* lpszText)
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!ValidRow(list, nItem) || nSubItem < 0 || nSubItem >= list->columnCount()) {
        return FALSE;
    }
    QTableWidgetItem* item = list->item(nItem, nSubItem);
    if (!item) {
        item = NewListItem(QString(), false);
        list->setItem(nItem, nSubItem, item);
    }
    item->setText(QString::fromUtf8(lpszText ? lpszText : ""));
    return TRUE;
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    QTableWidget* list = ListOf(m_hWnd);
    const QTableWidgetItem* item = ValidRow(list, nItem) ? list->item(nItem, nSubItem) : nullptr;
    return item ? item->text().toStdString() : std::string();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, char* lpszText, int nLen) const
{
    return CopyText(GetItemText(nItem, nSubItem), lpszText, nLen);
}

int CListCtrl::GetItemCount() const
{
    QTableWidget* list = ListOf(m_hWnd);
    return list ? list->rowCount() : 0;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!ValidRow(list, nItem)) {
        return FALSE;
    }
    list->removeRow(nItem);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!list) {
        return FALSE;
    }
    list->setRowCount(0);
    return TRUE;
}

BOOL CListCtrl::GetCheck(int nItem) const
{
    QTableWidget* list = ListOf(m_hWnd);
    const QTableWidgetItem* item = ValidRow(list, nItem) ? list->item(nItem, 0) : nullptr;
    return item && (item->flags() & Qt::ItemIsUserCheckable) && item->checkState() == Qt::Checked;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    QTableWidget* list = ListOf(m_hWnd);
    QTableWidgetItem* item = ValidRow(list, nItem) ? list->item(nItem, 0) : nullptr;
    if (!item || !(item->flags() & Qt::ItemIsUserCheckable)) {
        return FALSE;
    }
    item->setCheckState(fCheck ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!ValidRow(list, nItem)) {
        return 0;
    }
    UINT state = 0;
    if (RowSelected(list, nItem)) {
        state |= LVIS_SELECTED;
    }
    if (list->currentRow() == nItem) {
        state |= LVIS_FOCUSED;
    }
    return state & nMask;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    QTableWidget* list = ListOf(m_hWnd);
    if (!ValidRow(list, nItem)) {
        return FALSE;
    }
    if (nMask & LVIS_SELECTED) {
        const QModelIndex index = list->model()->index(nItem, 0);
        const auto flags = (nState & LVIS_SELECTED) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
        list->selectionModel()->select(index, flags | (list->selectionBehavior() == QAbstractItemView::SelectRows
                                                           ? QItemSelectionModel::Rows
                                                           : QItemSelectionModel::NoUpdate));
    }
    if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED)) {
        list->selectionModel()->setCurrentIndex(list->model()->index(nItem, 0), QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT CListCtrl::GetSelectedCount() const
{
    QTableWidget* list = ListOf(m_hWnd);
    UINT count = 0;
    for (int row = 0; list && row < list->rowCount(); ++row) {
        count += RowSelected(list, row) ? 1 : 0;
    }
    return count;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    QTableWidget* list = ListOf(m_hWnd);
    for (int row = std::max(0, nItem + 1); list && row < list->rowCount(); ++row) {
        if (!(nFlags & LVNI_SELECTED) || RowSelected(list, row)) {
            return row;
        }
    }
    return -1;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    WindowRecord* rec = Find(m_hWnd);
    QTableWidget* list = ListOf(m_hWnd);
    if (!rec || !list) {
        return 0;
    }
    const DWORD previous = std::exchange(rec->listExStyle, dwNewStyle);
    list->setShowGrid(dwNewStyle & LVS_EX_GRIDLINES);
    list->setSelectionBehavior((dwNewStyle & LVS_EX_FULLROWSELECT) ? QAbstractItemView::SelectRows
                                                                   : QAbstractItemView::SelectItems);
    const bool checkable = dwNewStyle & LVS_EX_CHECKBOXES;
    for (int row = 0; row < list->rowCount(); ++row) {
        QTableWidgetItem* item = list->item(row, 0);
        if (!item || bool(item->flags() & Qt::ItemIsUserCheckable) == checkable) {
            continue;
        }
        item->setFlags(checkable ? item->flags() | Qt::ItemIsUserCheckable : item->flags() & ~Qt::ItemIsUserCheckable);
        item->setData(Qt::CheckStateRole, checkable ? QVariant(Qt::Unchecked) : QVariant());
    }
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? rec->listExStyle : 0;
}
