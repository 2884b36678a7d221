#pragma once
// The Qt controls that host the layer's controls. Like every host they pass their events to the
// dispatcher; they also answer their control messages and keep the text they show.

#include "platform/controls/ListModel.h"
#include "platform/window/HostWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <functional>
#include <optional>
#include <utility>

namespace layer {

// A control host: the Qt control plus the dispatcher.
template <class Base>
class ControlHost : public Base, public Host {
public:
    template <class... Args>
    explicit ControlHost(Args&&... args) : Base(std::forward<Args>(args)...), Host(this) {}

    bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool SetShownText(const QString& text) override;
    bool GetShownText(QString& text) const override;

protected:
    bool event(QEvent* e) override;
};

// Owner-drawn buttons paint through the owner's WM_DRAWITEM (reflected to the button's DrawItem). One that
// stands for a choice has a check state for screen readers only (CButton::SetAccessibleCheck).
class OwnerDrawButton : public ControlHost<QPushButton> {
public:
    explicit OwnerDrawButton(QWidget* parent) : ControlHost<QPushButton>(parent) {}
    QAccessibleInterface* CreateAccessible() override; // a push button, checked or not (ControlHostsAccessible.cpp)
    void SetAccessibleCheck(bool checked);            // announced when it changes
    std::optional<bool> AccessibleCheck() const { return m_accessibleCheck; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<bool> m_accessibleCheck; // none: the button stands for no choice
};

// Radio buttons and check boxes take their colours from the owner's WM_CTLCOLORBTN.
class RadioHost : public ControlHost<QRadioButton> {
public:
    explicit RadioHost(QWidget* parent) : ControlHost<QRadioButton>(parent) {}

protected:
    void paintEvent(QPaintEvent* e) override;
};

class CheckHost : public ControlHost<QCheckBox> {
public:
    explicit CheckHost(QWidget* parent) : ControlHost<QCheckBox>(parent) {}

protected:
    void paintEvent(QPaintEvent* e) override;
};

// Text statics take their colours from the owner's WM_CTLCOLORSTATIC; pictures paint as they are.
class StaticHost : public ControlHost<QLabel> {
public:
    explicit StaticHost(QWidget* parent) : ControlHost<QLabel>(parent) {}
    bool isPicture = false;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A drop-down list. On a box without edit, what is typed finds an entry (HangulSearch.h: by syllables or
// initial consonants, Latin letters and digits): characters typed within about a second of each other, as
// keys or as an input method's commit, make one search, and the first entry in box order that starts with
// them is chosen, raising the choice; a search of one character again and again that finds no entry goes
// from the chosen entry to the next that starts with that character. Nothing found changes nothing. The
// same holds while the list is dropped open.
class ComboHost : public ControlHost<QComboBox> {
public:
    explicit ComboHost(QWidget* parent);
    bool sorted = false;
    int listDepth = 0; // the template's height: the box and its dropped list together, in pixels

    void showPopup() override; // drops as many rows as fit in listDepth below the box
    // Named by its accessible name, with its entry as its value (ControlHostsAccessible.cpp).
    QAccessibleInterface* CreateAccessible() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void wheelEvent(QWheelEvent* e) override; // only a focused box takes the wheel, as on the classic desktop
    bool eventFilter(QObject* watched, QEvent* e) override; // the dropped list's keys and commits

private:
    // Whether the event is typed text that the search takes; if so, it searches.
    bool TypeAhead(QEvent* e);
    void Search(const QString& text);
    void Choose(int index);

    QString m_typed;               // the search so far
    QElapsedTimer m_sinceTyped;    // since its last character
};

// A report list: the rows of its ListModel in a table view. A click on a row's check box or the Space
// key ticks the row without touching the selection; a click elsewhere on a row highlights it. Screen
// readers hear a row's check box on its first cell and are told when it is ticked or cleared.
class ListHost : public ControlHost<QTableView> {
public:
    explicit ListHost(QWidget* parent);
    ListModel* Model() const { return m_model; }
    QRect CheckRect(int row);
    int CheckBoxRowAt(const QPoint& pos); // the row whose check box is at pos, -1 when none

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void updateGeometries() override; // put off while the list is not on the screen
    void showEvent(QShowEvent* e) override;

private:
    void ToggleCheck(int row);
    void AnnounceChecks(int firstRow, int lastRow); // ControlHostsAccessible.cpp

    ListModel* m_model;
    bool m_geometriesPending = false;
};

// Tells screen readers that an object of the window (its interface, asked for only while one listens) is
// now checked or not, and the layer's observer, by the object's name.
void AnnounceCheck(HWND window, const QString& name, bool checked,
                   const std::function<QAccessibleInterface*()>& object);

// Colours that a control's owner chose through WM_CTLCOLORxxx: background brush colour and text colour.
struct ControlColors {
    bool hasBackground = false;
    QColor background;
    QColor text;
};
ControlColors QueryControlColors(HWND control, UINT message);

} // namespace layer
