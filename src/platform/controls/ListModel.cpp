#include "platform/controls/ListModel.h"

#include <algorithm>

namespace layer {

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !ValidRow(index.row()) || index.column() >= columnCount()) {
        return {};
    }
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[static_cast<size_t>(index.column())];
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0) {
            return row.checked ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[static_cast<size_t>(index.column())].alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const Column& column = m_columns[static_cast<size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.heading;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_checkable && index.column() == 0) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

int ListModel::InsertColumn(int column, const QString& heading, Qt::Alignment alignment)
{
    column = std::clamp(column, 0, columnCount());
    beginInsertColumns({}, column, column);
    m_columns.insert(m_columns.begin() + column, Column{heading, alignment});
    for (Row& row : m_rows) {
        if (row.texts.size() < m_columns.size()) { // a row's label is its first column's text
            row.texts.insert(row.texts.begin() + column, QString());
        }
    }
    endInsertColumns();
    return column;
}

int ListModel::InsertRow(int row, const QString& label)
{
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    Row added;
    added.texts.resize(std::max<size_t>(1, m_columns.size()));
    added.texts.front() = label;
    m_rows.insert(m_rows.begin() + row, std::move(added));
    endInsertRows();
    return row;
}

bool ListModel::SetText(int row, int column, const QString& text)
{
    if (!ValidRow(row) || column < 0 || column >= columnCount()) {
        return false;
    }
    m_rows[static_cast<size_t>(row)].texts[static_cast<size_t>(column)] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
    return true;
}

QString ListModel::Text(int row, int column) const
{
    if (!ValidRow(row) || column < 0) {
        return {};
    }
    const std::vector<QString>& texts = m_rows[static_cast<size_t>(row)].texts;
    return static_cast<size_t>(column) < texts.size() ? texts[static_cast<size_t>(column)] : QString();
}

bool ListModel::RemoveRow(int row)
{
    if (!ValidRow(row)) {
        return false;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

void ListModel::RemoveAllRows()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ListModel::SetCheckable(bool checkable)
{
    if (checkable == m_checkable) {
        return;
    }
    m_checkable = checkable;
    if (!m_rows.empty() && !m_columns.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    }
}

bool ListModel::Checked(int row) const { return m_checkable && ValidRow(row) && m_rows[static_cast<size_t>(row)].checked; }

bool ListModel::SetChecked(int row, bool checked)
{
    if (!m_checkable || !ValidRow(row)) {
        return false;
    }
    m_rows[static_cast<size_t>(row)].checked = checked;
    if (!m_columns.empty()) {
        const QModelIndex changed = index(row, 0);
        emit dataChanged(changed, changed, {Qt::CheckStateRole});
    }
    return true;
}

} // namespace layer
