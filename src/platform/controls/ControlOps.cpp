#include "platform/controls/ControlOps.h"

#include "platform/controls/ControlHosts.h"
#include "platform/window/Wnd.h"

#include <QButtonGroup>
#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

const QCollator& KoreanCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Korean, QLocale::SouthKorea)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

namespace layer {

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
    auto* box = WidgetOf<ComboHost>(hwnd);
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
    auto* box = WidgetOf<ComboHost>(hwnd);
    if (!box) {
        return CB_ERR;
    }
    if (!box->sorted) {
        return ComboInsert(hwnd, box->count(), text);
    }
    // After the entries that sort before it or equal it, by Korean collation without case; the entries
    // are in that order already, so the place is found by halving.
    const QString item = QString::fromStdString(text);
    int first = 0;
    for (int count = box->count(); count > 0;) {
        const int half = count / 2;
        if (KoreanCollator().compare(box->itemText(first + half), item) <= 0) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return ComboInsert(hwnd, first, text);
}

int ComboSetCurSel(HWND hwnd, int index)
{
    auto* box = WidgetOf<ComboHost>(hwnd);
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
    auto* box = WidgetOf<ComboHost>(hwnd);
    return box ? box->currentIndex() : CB_ERR;
}

int ComboCount(HWND hwnd)
{
    auto* box = WidgetOf<ComboHost>(hwnd);
    return box ? box->count() : CB_ERR;
}

void ComboReset(HWND hwnd)
{
    if (auto* box = WidgetOf<ComboHost>(hwnd)) {
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

