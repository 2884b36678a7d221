#include "platform/controls/ControlFactory.h"

#include "platform/controls/ControlHosts.h"
#include "platform/controls/ControlOps.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ListCtrl.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QButtonGroup>
#include <QHeaderView>

#include <charconv>

namespace layer {
namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A resource named by a static's text: "#136" or "136".
int ResourceIdOf(std::string_view text)
{
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    int id = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    return ec == std::errc() && end == text.data() + text.size() ? id : 0;
}

// The height of a drop-down list's box; the template's height is the depth of its dropped list.
constexpr int kComboBoxHeight = 20;

template <class Button>
void NotifyClicks(Button* button, HWND hwnd)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [hwnd] {
        if (WindowRecord* r = Find(hwnd)) {
            Send(r->parent, WM_COMMAND, MAKEWPARAM(r->id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
        }
    });
}

QWidget* MakeButton(const DialogControl& c, QWidget* parent, HWND hwnd)
{
    const DWORD type = c.style & BS_TYPEMASK;
    QAbstractButton* button = nullptr;
    if (type == BS_OWNERDRAW) {
        button = new OwnerDrawButton(parent);
    } else if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) {
        // It stays auto-exclusive, which is how Qt's accessibility tells a radio button from a check box;
        // what excludes what is its template group's (the QButtonGroup below), which overrides that.
        button = new RadioHost(parent);
    } else if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) {
        button = new CheckHost(parent);
    } else {
        auto* push = new ControlHost<QPushButton>(parent);
        push->setAutoDefault(false);
        button = push;
    }
    button->setText(QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size())));
    NotifyClicks(button, hwnd);
    return button;
}

QWidget* MakeEdit(const DialogControl& c, QWidget* parent, HWND hwnd)
{
    auto* edit = new ControlHost<QLineEdit>(parent);
    edit->setFrame((c.style & WS_BORDER) || (c.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)));
    edit->setReadOnly(c.style & ES_READONLY);
    if (c.style & ES_PASSWORD) {
        edit->setEchoMode(QLineEdit::Password);
    }
    edit->setAlignment((c.style & ES_RIGHT) ? Qt::AlignRight : (c.style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
    edit->setText(QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size())));
    // Every change of the text, the user's or the program's, as the classic edit reports it.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [hwnd] {
        if (WindowRecord* r = Find(hwnd)) {
            Send(r->parent, WM_COMMAND, MAKEWPARAM(r->id, EN_CHANGE), reinterpret_cast<LPARAM>(hwnd));
        }
    });
    return edit;
}

QWidget* MakeStatic(const DialogControl& c, QWidget* parent, QRect& rect)
{
    auto* label = new StaticHost(parent);
    const DWORD type = c.style & SS_TYPEMASK;
    if (type == SS_BITMAP || type == SS_ICON) {
        // A picture static takes the size of its picture.
        label->isPicture = true;
        const int id = ResourceIdOf(c.text);
        if (type == SS_BITMAP) {
            const QImage image = LoadResourceImage(id, ScreenPixelRatio());
            if (!image.isNull()) {
                label->setPixmap(QPixmap::fromImage(image));
                rect.setSize((QSizeF(image.size()) / image.devicePixelRatio()).toSize());
            }
        } else if (IconObject* icon = AsIcon(IconFromResource(id))) {
            label->setPixmap(icon->pixmap);
            rect.setSize(QSize(32, 32));
        }
    } else {
        label->setText(DisplayText(QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size()))));
        label->setAlignment((type == SS_CENTER ? Qt::AlignHCenter : type == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (!(c.style & SS_NOTIFY)) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks fall through to the dialog
    }
    return label;
}

QWidget* MakeCombo(const DialogControl& c, QWidget* parent, HWND hwnd, QRect& rect)
{
    auto* combo = new ComboHost(parent);
    combo->sorted = c.style & CBS_SORT;
    combo->setEditable((c.style & 3) == CBS_DROPDOWN);
    combo->listDepth = rect.height();
    rect.setHeight(kComboBoxHeight);
    QObject::connect(combo, &QComboBox::activated, combo, [hwnd] {
        if (WindowRecord* r = Find(hwnd)) {
            Send(r->parent, WM_COMMAND, MAKEWPARAM(r->id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hwnd));
        }
    });
    return combo;
}

QWidget* MakeList(const DialogControl& c, QWidget* parent)
{
    auto* list = new ListHost(parent);
    if (c.style & LVS_NOCOLUMNHEADER) {
        list->horizontalHeader()->hide();
    }
    list->horizontalHeader()->setSectionsClickable(false);
    list->setFrameShape((c.style & WS_BORDER) || (c.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) ? QFrame::StyledPanel
                                                                                                    : QFrame::NoFrame);
    list->setSelectionMode((c.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                     : QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectItems);
    return list;
}

void TagHost(QWidget* w, HWND hwnd)
{
    if (Host* host = HostAt(w)) {
        host->hwnd = hwnd;
    }
    TagWidget(w, hwnd);
}

HWND CreateControl(HWND parent, const DialogControl& c)
{
    QWidget* parentWidget = ClientWidget(parent);
    WindowKind kind = WindowKind::Window;
    CWnd* object = nullptr;
    if (SameName(c.className, "Button")) {
        kind = WindowKind::Button;
        object = new CButton();
    } else if (SameName(c.className, "Edit")) {
        kind = WindowKind::Edit;
        object = new CEdit();
    } else if (SameName(c.className, "Static")) {
        kind = WindowKind::Static;
        object = new CStatic();
    } else if (SameName(c.className, "ComboBox")) {
        kind = WindowKind::ComboBox;
        object = new CComboBox();
    } else if (SameName(c.className, "SysListView32")) {
        kind = WindowKind::ListView;
        object = new CListCtrl();
    } else {
        object = new CWnd();
    }
    WindowRecord* rec = Register(object, kind, c.style | WS_CHILD, c.exStyle, c.id, parent);
    rec->layerOwnsObject = true;
    const HWND hwnd = rec->hwnd;
    const RECT px = DialogRectToPixels(c.x, c.y, c.cx, c.cy);
    QRect rect(px.left, px.top, px.right - px.left, px.bottom - px.top);
    QWidget* widget = nullptr;
    switch (kind) {
    case WindowKind::Button:
        widget = MakeButton(c, parentWidget, hwnd);
        break;
    case WindowKind::Edit:
        widget = MakeEdit(c, parentWidget, hwnd);
        break;
    case WindowKind::Static:
        widget = MakeStatic(c, parentWidget, rect);
        break;
    case WindowKind::ComboBox:
        widget = MakeCombo(c, parentWidget, hwnd, rect);
        break;
    case WindowKind::ListView:
        widget = MakeList(c, parentWidget);
        break;
    default:
        widget = new WindowHost(parentWidget);
        break;
    }
    TagHost(widget, hwnd);
    widget->setMouseTracking(true);
    widget->setGeometry(rect);
    widget->setEnabled(!(c.style & WS_DISABLED));
    widget->setFocusPolicy(kind == WindowKind::Static || kind == WindowKind::Window ? Qt::NoFocus : Qt::StrongFocus);
    rec->outer = widget;
    rec->client = widget;
    rec->text = QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size()));
    object->m_hWnd = hwnd;
    widget->hide();
    // A drop-down list's entries are initialisation data: each is added by CB_ADDSTRING, in order.
    for (std::string_view item : c.initItems) {
        const std::string text(item);
        Send(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (c.style & WS_VISIBLE) {
        widget->show();
    }
    return hwnd;
}

} // namespace

void CreateTemplateControls(HWND parent, const DialogTemplate& dialogTemplate)
{
    QButtonGroup* group = nullptr;
    for (const DialogControl& c : dialogTemplate.controls) {
        const HWND hwnd = CreateControl(parent, c);
        auto* radio = dynamic_cast<RadioHost*>(OuterWidget(hwnd));
        // A radio group runs from a WS_GROUP radio button to the next control with WS_GROUP.
        if (radio) {
            if ((c.style & WS_GROUP) || !group) {
                group = new QButtonGroup(ClientWidget(parent));
            }
            group->addButton(radio);
        } else if (c.style & WS_GROUP) {
            group = nullptr;
        }
    }
}

} // namespace layer
