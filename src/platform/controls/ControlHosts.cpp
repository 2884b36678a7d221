#include "platform/controls/ControlHosts.h"

#include "platform/controls/ControlOps.h"
#include "platform/core/HangulSearch.h"
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

// Characters typed closer together than this make one search of a drop-down list.
constexpr qint64 kTypeAheadPauseMs = 1000;

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
    // The dropped list has the keyboard while it is open; its typing searches the box as the box's does.
    // Installed here, not at creation: the list is made only when it first drops.
    view()->installEventFilter(this);
    QComboBox::showPopup();
}

void ComboHost::keyPressEvent(QKeyEvent* e)
{
    // Qt's own search gathers quick keys into one prefix that Hangul's initial consonants never match.
    if (!TypeAhead(e)) {
        QComboBox::keyPressEvent(e);
    }
}

void ComboHost::inputMethodEvent(QInputMethodEvent* e)
{
    if (!TypeAhead(e)) {
        QComboBox::inputMethodEvent(e);
    }
}

bool ComboHost::eventFilter(QObject* watched, QEvent* e)
{
    // Only the dropped list is watched here, and only on a box without edit (asking for the list makes it).
    if (!isEditable() && watched == view() && TypeAhead(e)) {
        view()->setCurrentIndex(model()->index(currentIndex(), modelColumn())); // the open list shows the choice
        return true;
    }
    return ControlHost<QComboBox>::eventFilter(watched, e);
}

bool ComboHost::TypeAhead(QEvent* e)
{
    if (isEditable()) {
        return false;
    }
    if (e->type() == QEvent::InputMethod) {
        // A composition in progress shows nothing in a box without edit; only what is committed searches.
        const QString committed = static_cast<QInputMethodEvent*>(e)->commitString();
        if (!committed.isEmpty()) {
            Search(committed);
        }
        e->accept();
        return true;
    }
    if (e->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(e);
    const QString text = key->text();
    const bool typed = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); }) &&
                       key->key() != Qt::Key_Space && // Space drops the list
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed) {
        return false;
    }
    Search(text);
    e->accept();
    return true;
}

void ComboHost::Search(const QString& text)
{
    m_typed = m_sinceTyped.isValid() && m_sinceTyped.elapsed() < kTypeAheadPauseMs ? m_typed + text : text;
    m_sinceTyped.start();
    const std::string typed = m_typed.toStdString();
    for (int i = 0; i < count(); ++i) {
        if (HangulStartsWith(itemText(i).toStdString(), typed)) {
            Choose(i);
            return;
        }
    }
    // The same character again and again, which no entry starts with: the entries that start with that
    // character one after the other, round from the chosen one.
    const QList<uint> characters = m_typed.toUcs4();
    if (characters.size() < 2 || std::any_of(characters.begin(), characters.end(),
                                             [&](uint c) { return c != characters.front(); })) {
        return;
    }
    const char32_t repeated = characters.front();
    const std::string single = QString::fromUcs4(&repeated, 1).toStdString();
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        const int i = (currentIndex() + k) % n;
        if (HangulStartsWith(itemText(i).toStdString(), single)) {
            Choose(i);
            return;
        }
    }
}

void ComboHost::Choose(int index)
{
    if (index == currentIndex()) {
        return;
    }
    setCurrentIndex(index);
    emit activated(index);
    emit textActivated(itemText(index));
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
    // A quick second click on a check box ticks it again rather than opening anything; on a row, the second
    // press highlights it as the first did and the owner hears of the double click.
    mousePressEvent(e);
    const QPoint at = e->position().toPoint();
    WindowRecord* rec = Find(hwnd);
    if (e->button() == Qt::LeftButton && CheckBoxRowAt(at) < 0 && rowAt(at.y()) >= 0 && rec) {
        NMHDR header{hwnd, static_cast<UINT_PTR>(rec->id), NM_DBLCLK};
        Send(rec->parent, WM_NOTIFY, static_cast<WPARAM>(rec->id), reinterpret_cast<LPARAM>(&header));
    }
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
