#include "platform/controls/ListCtrl.h"

#include "platform/controls/ControlHosts.h"
#include "platform/controls/ControlOps.h"
#include "platform/core/TextBuffer.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>
#include <QHeaderView>

#include <algorithm>

using layer::Find;
using layer::ListHost;
using layer::ListModel;
using layer::WindowRecord;

namespace {

ListHost* ListOf(HWND hwnd) { return layer::WidgetOf<ListHost>(hwnd); }
ListModel* ModelOf(HWND hwnd)
{
    ListHost* list = ListOf(hwnd);
    return list ? list->Model() : nullptr;
}

bool RowSelected(const ListHost* list, int row)
{
    return list->selectionModel()->isSelected(list->model()->index(row, 0));
}

} // namespace

int CListCtrl::InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat, int nWidth, int)
{
    ListHost* list = ListOf(m_hWnd);
    if (!list || nCol < 0) {
        return -1;
    }
    const Qt::Alignment align = nFormat == LVCFMT_RIGHT    ? Qt::AlignRight
                                : nFormat == LVCFMT_CENTER ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
    nCol = list->Model()->InsertColumn(nCol, QString::fromUtf8(lpszColumnHeading ? lpszColumnHeading : ""), align);
    list->setColumnWidth(nCol, nWidth < 0 ? 100 : nWidth);
    return nCol;
}

int CListCtrl::GetColumnCount() const
{
    ListModel* model = ModelOf(m_hWnd);
    return model ? model->columnCount() : 0;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    ListHost* list = ListOf(m_hWnd);
    return list ? list->columnWidth(nCol) : 0;
}

int CListCtrl::InsertItem(int nItem, const char* lpszItem)
{
    ListModel* model = ModelOf(m_hWnd);
    if (!model || nItem < 0) {
        return -1;
    }
    return model->InsertRow(nItem, QString::fromUtf8(lpszItem ? lpszItem : ""));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* lpszText)
{
    ListModel* model = ModelOf(m_hWnd);
    return model && model->SetText(nItem, nSubItem, QString::fromUtf8(lpszText ? lpszText : ""));
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    ListModel* model = ModelOf(m_hWnd);
    return model ? model->Text(nItem, nSubItem).toStdString() : std::string();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, char* lpszText, int nLen) const
{
    return layer::CopyText(GetItemText(nItem, nSubItem), lpszText, nLen);
}

int CListCtrl::GetItemCount() const
{
    ListModel* model = ModelOf(m_hWnd);
    return model ? model->rowCount() : 0;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    ListModel* model = ModelOf(m_hWnd);
    return model && model->RemoveRow(nItem);
}

BOOL CListCtrl::DeleteAllItems()
{
    ListModel* model = ModelOf(m_hWnd);
    if (!model) {
        return FALSE;
    }
    model->RemoveAllRows();
    return TRUE;
}

BOOL CListCtrl::GetCheck(int nItem) const
{
    ListModel* model = ModelOf(m_hWnd);
    return model && model->Checked(nItem);
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck)
{
    ListModel* model = ModelOf(m_hWnd);
    return model && model->SetChecked(nItem, fCheck);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    ListHost* list = ListOf(m_hWnd);
    if (!list || !list->Model()->ValidRow(nItem)) {
        return 0;
    }
    UINT state = 0;
    if (RowSelected(list, nItem)) {
        state |= LVIS_SELECTED;
    }
    if (list->currentIndex().row() == nItem) {
        state |= LVIS_FOCUSED;
    }
    return state & nMask;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    ListHost* list = ListOf(m_hWnd);
    if (!list || !list->Model()->ValidRow(nItem)) {
        return FALSE;
    }
    const QModelIndex index = list->model()->index(nItem, 0);
    if (nMask & LVIS_SELECTED) {
        const bool single = list->selectionMode() == QAbstractItemView::SingleSelection;
        const auto flags = !(nState & LVIS_SELECTED) ? QItemSelectionModel::Deselect
                           : single                  ? QItemSelectionModel::ClearAndSelect
                                                     : QItemSelectionModel::Select;
        list->selectionModel()->select(index, flags | (list->selectionBehavior() == QAbstractItemView::SelectRows
                                                           ? QItemSelectionModel::Rows
                                                           : QItemSelectionModel::NoUpdate));
    }
    if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED)) {
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT CListCtrl::GetSelectedCount() const
{
    ListHost* list = ListOf(m_hWnd);
    UINT count = 0;
    for (int row = 0; list && row < list->Model()->rowCount(); ++row) {
        count += RowSelected(list, row) ? 1 : 0;
    }
    return count;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    ListHost* list = ListOf(m_hWnd);
    for (int row = std::max(0, nItem + 1); list && row < list->Model()->rowCount(); ++row) {
        if (!(nFlags & LVNI_SELECTED) || RowSelected(list, row)) {
            return row;
        }
    }
    return -1;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL)
{
    ListHost* list = ListOf(m_hWnd);
    if (!list || !list->Model()->ValidRow(nItem)) {
        return FALSE;
    }
    list->scrollTo(list->model()->index(nItem, 0));
    return TRUE;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    WindowRecord* rec = Find(m_hWnd);
    ListHost* list = ListOf(m_hWnd);
    if (!rec || !list) {
        return 0;
    }
    const DWORD previous = std::exchange(rec->listExStyle, dwNewStyle);
    list->setShowGrid(dwNewStyle & LVS_EX_GRIDLINES);
    list->setSelectionBehavior((dwNewStyle & LVS_EX_FULLROWSELECT) ? QAbstractItemView::SelectRows
                                                                   : QAbstractItemView::SelectItems);
    list->Model()->SetCheckable(dwNewStyle & LVS_EX_CHECKBOXES);
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec ? rec->listExStyle : 0;
}
