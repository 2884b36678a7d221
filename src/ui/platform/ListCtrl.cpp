#include "ui/platform/ListCtrl.h"

#include "ui/platform/ControlOps.h"
#include "ui/platform/HostWidgets.h"

#include <QAbstractItemView>
#include <QHeaderView>

#include <algorithm>

using layer::Find;
using layer::WindowRecord;

namespace {

QTableWidget* ListOf(HWND hwnd) { return layer::WidgetOf<layer::ListHost>(hwnd); }

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
    return layer::CopyText(GetItemText(nItem, nSubItem), lpszText, nLen);
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
