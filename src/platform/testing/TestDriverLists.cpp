// The test driver's report lists: ticking and highlighting rows with the pointer, and reading what the
// list shows.

#include "platform/testing/TestDriver.h"

#include "platform/controls/ControlHosts.h"
#include "platform/controls/ControlOps.h"
#include "platform/window/Wnd.h"

#include <optional>

namespace uitest {
namespace {

layer::ListHost* ListOf(CWnd* window, int id)
{
    CWnd* control = window ? window->GetDlgItem(id) : nullptr;
    return control ? layer::WidgetOf<layer::ListHost>(control->m_hWnd) : nullptr;
}

// A shown list whose row `row` exists, scrolled so that the row shows.
layer::ListHost* ListShowingRow(CWnd* window, int id, int row)
{
    layer::ListHost* list = ListOf(window, id);
    if (!list || !list->isVisible() || !list->Model()->ValidRow(row)) {
        return nullptr;
    }
    list->scrollTo(list->Model()->index(row, 0));
    return list;
}

// A rectangle of list `id`'s rows, in the window's client coordinates.
CRect InWindow(CWnd* window, int id, const QRect& rows)
{
    const CRect list = ControlRect(window, id);
    const QPoint at = ListOf(window, id)->viewport()->mapTo(ListOf(window, id), rows.topLeft());
    return CRect(CPoint(list.left + at.x(), list.top + at.y()), CSize(rows.width(), rows.height()));
}

// The right end of the row's first cell (its text, clear of the check box) in the window's client
// coordinates, the row scrolled into view; null when there is no such row.
std::optional<CPoint> FirstCellPoint(CWnd* window, int id, int row)
{
    layer::ListHost* list = ListShowingRow(window, id, row);
    if (!list) {
        return std::nullopt;
    }
    const QRect cell = list->visualRect(list->Model()->index(row, 0));
    return InWindow(window, id, QRect(cell.right() - 4, cell.center().y(), 1, 1)).TopLeft();
}

} // namespace

CRect ListCheckBoxRect(CWnd* window, int id, int row)
{
    layer::ListHost* list = ListShowingRow(window, id, row);
    const QRect box = list ? list->CheckRect(row) : QRect();
    return box.isEmpty() ? CRect() : InWindow(window, id, box);
}

bool TickListRow(CWnd* window, int id, int row)
{
    const CRect box = ListCheckBoxRect(window, id, row);
    return !box.IsRectEmpty() && ClickAt(window, box.CenterPoint());
}

bool SelectListRow(CWnd* window, int id, int row)
{
    const std::optional<CPoint> at = FirstCellPoint(window, id, row);
    return at && ClickAt(window, *at);
}

bool DoubleClickListRow(CWnd* window, int id, int row)
{
    const std::optional<CPoint> at = FirstCellPoint(window, id, row);
    return at && DoubleClickAt(window, *at);
}

std::vector<std::string> ListHeaders(CWnd* window, int id)
{
    std::vector<std::string> headers;
    if (layer::ListHost* list = ListOf(window, id)) {
        for (int c = 0; c < list->Model()->columnCount(); ++c) {
            headers.push_back(list->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
        }
    }
    return headers;
}

bool ListShowsGrid(CWnd* window, int id)
{
    layer::ListHost* list = ListOf(window, id);
    return list && list->showGrid();
}

std::string ListText(CWnd* window, int id, int row, int column)
{
    layer::ListHost* list = ListOf(window, id);
    return list ? list->Model()->Text(row, column).toStdString() : std::string();
}

} // namespace uitest
