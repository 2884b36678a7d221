#pragma once
// The rows of a report list: texts by row and column, a check state per row, and the column headings,
// as the model behind the list's table view. Rows live in one deque, so inserting at the top, deleting
// from the bottom and reading any row cost the same for a log of thousands of rows as for a few; the
// view is told of each change as it happens and repaints only what it shows.

#include <QAbstractTableModel>
#include <QString>

#include <deque>
#include <vector>

namespace layer {

class ListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A column at `column` (clamped to the end) with its heading and the alignment of its texts; every
    // row gets an empty text there. Answers the column's index.
    int InsertColumn(int column, const QString& heading, Qt::Alignment alignment);
    // A row at `row` (clamped to the end), unchecked, labelled in column 0. Answers the row's index.
    int InsertRow(int row, const QString& label);
    bool SetText(int row, int column, const QString& text);
    QString Text(int row, int column) const; // empty outside the rows and columns; column 0 is the label
    bool RemoveRow(int row);
    void RemoveAllRows();

    // Whether rows show a check box in column 0; the check states are kept while they do not.
    void SetCheckable(bool checkable);
    bool Checkable() const { return m_checkable; }
    bool Checked(int row) const; // false outside the rows or while rows show no check box
    bool SetChecked(int row, bool checked);
    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }

private:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
    };
    struct Row {
        std::vector<QString> texts; // one per column; the label alone while there is no column
        bool checked = false;
    };

    std::vector<Column> m_columns;
    std::deque<Row> m_rows;
    bool m_checkable = false;
};

} // namespace layer
