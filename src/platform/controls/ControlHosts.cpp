#include "platform/controls/ControlHosts.h"

#include "platform/controls/ControlOps.h"
#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace layer {

template <class Base>
bool ControlHost<Base>::event(QEvent* e)
{
    return HostEvent(this, hwnd, e, [this, e] { return Base::event(e); });
}

template <class Base>
bool ControlHost<Base>::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    WindowRecord* rec = Find(hwnd);
    return rec && ControlDefault(rec, message, wParam, lParam, result);
}

template <class Base>
bool ControlHost<Base>::SetShownText(const QString& text)
{
    WindowRecord* rec = Find(hwnd);
    return rec && SetControlText(rec, text);
}

template <class Base>
bool ControlHost<Base>::GetShownText(QString& text) const
{
    WindowRecord* rec = Find(hwnd);
    return rec && GetControlText(rec, text);
}

template class ControlHost<QPushButton>;
template class ControlHost<QRadioButton>;
template class ControlHost<QCheckBox>;
template class ControlHost<QLineEdit>;
template class ControlHost<QLabel>;
template class ControlHost<QComboBox>;
template class ControlHost<QTableView>;

namespace {

// How far inside a button's edge its focus rectangle runs.
constexpr int kFocusInset = 3;

// The classic focus rectangle: a dotted line, every other pixel of the rectangle's edge inverted, so that
// it shows on any picture.
void DrawFocusRect(QPainter& painter, const QRect& rect)
{
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const auto dot = [&painter](int x, int y) {
        if ((x + y) % 2 == 0) {
            painter.fillRect(x, y, 1, 1, Qt::white);
        }
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
}

} // namespace

void OwnerDrawButton::paintEvent(QPaintEvent*)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || rec->destroying) {
        return;
    }
    QPainter painter(this);
    HDC hdc = NewWindowDc(&painter, hwnd, width(), height());
    UINT state = 0;
    if (isDown()) {
        state |= ODS_SELECTED;
    }
    if (hasFocus()) {
        state |= ODS_FOCUS;
    }
    if (!isEnabled()) {
        state |= ODS_DISABLED;
    }
    DRAWITEMSTRUCT dis{ODT_BUTTON, static_cast<UINT>(rec->id), 0, ODA_DRAWENTIRE, state, hwnd, hdc,
                       RECT{0, 0, width(), height()}, 0};
    const HWND self = hwnd;
    Send(rec->parent, WM_DRAWITEM, static_cast<WPARAM>(rec->id), reinterpret_cast<LPARAM>(&dis));
    DeleteDc(hdc);
    painter.end();
    // The owner draws the picture; where the window shows its focus cues, the layer marks the focused
    // button on top of it, as the classic desktop does.
    const WindowRecord* top = TopLevelOf(Find(self));
    if (hasFocus() && top && top->focusCues) {
        QPainter cue(this);
        DrawFocusRect(cue, rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
    }
}

ControlColors QueryControlColors(HWND control, UINT message)
{
    ControlColors colors;
    WindowRecord* rec = Find(control);
    if (!rec) {
        return colors;
    }
    HDC hdc = NewWindowDc(nullptr, control, 0, 0);
    const LRESULT brush = Send(rec->parent, message, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(control));
    COLORREF bg = 0;
    if (GetBrushColor(reinterpret_cast<HBRUSH>(brush), &bg)) {
        colors.hasBackground = true;
        colors.background = ToQColor(bg);
    }
    colors.text = ToQColor(AsDc(hdc)->textColor);
    DeleteDc(hdc);
    return colors;
}

namespace {

template <class Button>
void PaintColoredButton(Button* button, HWND hwnd, QStyle::ControlElement element)
{
    const ControlColors colors = QueryControlColors(hwnd, WM_CTLCOLORBTN);
    QPainter painter(button);
    if (colors.hasBackground) {
        painter.fillRect(button->rect(), colors.background);
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.state |= button->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (button->isDown()) {
        option.state |= QStyle::State_Sunken;
    }
    option.palette.setColor(QPalette::WindowText, colors.text);
    option.palette.setColor(QPalette::ButtonText, colors.text);
    button->style()->drawControl(element, &option, &painter, button);
}

} // namespace

void RadioHost::paintEvent(QPaintEvent*) { PaintColoredButton(this, hwnd, QStyle::CE_RadioButton); }
void CheckHost::paintEvent(QPaintEvent*) { PaintColoredButton(this, hwnd, QStyle::CE_CheckBox); }

void StaticHost::paintEvent(QPaintEvent* e)
{
    if (isPicture) {
        QLabel::paintEvent(e);
        return;
    }
    const ControlColors colors = QueryControlColors(hwnd, WM_CTLCOLORSTATIC);
    QPainter painter(this);
    if (colors.hasBackground) {
        painter.fillRect(rect(), colors.background);
    }
    painter.setPen(colors.text);
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

ComboHost::ComboHost(QWidget* parent) : ControlHost<QComboBox>(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled);
}

void ComboHost::showPopup()
{
    const int rowHeight = std::max(1, view()->sizeHintForRow(0));
    setMaxVisibleItems(std::max(1, (listDepth - height()) / rowHeight));
    QComboBox::showPopup();
}

void ComboHost::keyPressEvent(QKeyEvent* e)
{
    const QString text = e->text();
    const bool character = text.size() == 1 && text.at(0).isPrint() && e->key() != Qt::Key_Space &&
                           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (isEditable() || !character) {
        QComboBox::keyPressEvent(e);
        return;
    }
    // Qt's own search gathers quick keys into one prefix and then finds nothing for the same key twice.
    SelectNextStartingWith(text.at(0));
    e->accept();
}

void ComboHost::inputMethodEvent(QInputMethodEvent* e)
{
    if (isEditable()) {
        QComboBox::inputMethodEvent(e);
        return;
    }
    for (const QChar ch : e->commitString()) {
        SelectNextStartingWith(ch);
    }
    e->accept();
}

void ComboHost::SelectNextStartingWith(QChar ch)
{
    const int n = count();
    const int current = currentIndex();
    for (int k = 1; k <= n; ++k) {
        const int i = (current + k) % n; // from the entry after the selection, round to it
        if (itemText(i).startsWith(ch, Qt::CaseInsensitive)) {
            if (i != current) {
                setCurrentIndex(i);
                emit activated(i);
                emit textActivated(itemText(i));
            }
            return;
        }
    }
}

void ComboHost::wheelEvent(QWheelEvent* e)
{
    QWidget* parent = parentWidget();
    if (hasFocus() || !parent) {
        QComboBox::wheelEvent(e);
        return;
    }
    // The window it sits on takes it (a scrolling form scrolls). Handed over here rather than ignored:
    // Qt passes an ignored wheel on to the parent only when it came from the desktop itself.
    QWheelEvent forwarded(mapToParent(e->position()), e->globalPosition(), e->pixelDelta(), e->angleDelta(),
                          e->buttons(), e->modifiers(), e->phase(), e->inverted(), e->source());
    QApplication::sendEvent(parent, &forwarded);
    e->accept();
}

ListHost::ListHost(QWidget* parent) : ControlHost<QTableView>(parent), m_model(new ListModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(0);
    setWordWrap(false);
    setShowGrid(false);
    setTabKeyNavigation(false);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole)) {
                    AnnounceChecks(from.row(), to.row());
                }
            });
}

// The header's height and the scroll bars are worked out when the list comes on the screen: for a
// list on a hidden page, measuring the header's captions (in a bold face that nothing else uses) at
// each inserted column would only delay the program's first frame.
void ListHost::updateGeometries()
{
    if (!isVisible()) {
        m_geometriesPending = true;
        return;
    }
    m_geometriesPending = false;
    ControlHost<QTableView>::updateGeometries();
}

void ListHost::showEvent(QShowEvent* e)
{
    if (m_geometriesPending) {
        updateGeometries();
    }
    ControlHost<QTableView>::showEvent(e);
}

QRect ListHost::CheckRect(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid() || !(m_model->flags(index) & Qt::ItemIsUserCheckable)) {
        return {};
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.checkState = m_model->Checked(row) ? Qt::Checked : Qt::Unchecked;
    option.text = m_model->Text(row, 0);
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

int ListHost::CheckBoxRowAt(const QPoint& pos)
{
    const int row = rowAt(pos.y());
    return row >= 0 && CheckRect(row).contains(pos) ? row : -1;
}

void ListHost::ToggleCheck(int row)
{
    m_model->SetChecked(row, !m_model->Checked(row));
    // The row becomes the focused one, so that Space goes on from there; the selection stays.
    selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
}

void ListHost::mousePressEvent(QMouseEvent* e)
{
    const int row = CheckBoxRowAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && row >= 0) {
        setFocus(Qt::MouseFocusReason);
        ToggleCheck(row);
        e->accept();
        return;
    }
    QTableView::mousePressEvent(e);
}

void ListHost::mouseReleaseEvent(QMouseEvent* e)
{
    // The press ticked the box already; the view's own release handling must not act on it again.
    if (CheckBoxRowAt(e->position().toPoint()) >= 0) {
        e->accept();
        return;
    }
    QTableView::mouseReleaseEvent(e);
}

void ListHost::mouseDoubleClickEvent(QMouseEvent* e)
{
    // A quick second click on a check box ticks it again rather than opening anything.
    mousePressEvent(e);
}

void ListHost::keyPressEvent(QKeyEvent* e)
{
    const QModelIndex current = currentIndex();
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier && m_model->Checkable() && current.isValid()) {
        ToggleCheck(current.row());
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

} // namespace layer
