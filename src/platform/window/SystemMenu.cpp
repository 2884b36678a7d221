#include "platform/window/SystemMenu.h"

#include "platform/core/Menu.h"
#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <QMenu>

#include <functional>

namespace layer {
namespace {

// A popup with the menu's entries (each action's data is its command id); choosing one calls onChoose.
QMenu* BuildPopup(const CMenu& menu, QWidget* parent, std::function<void(UINT)> onChoose)
{
    auto* popup = new QMenu(parent);
    for (int pos = 0; pos < menu.GetMenuItemCount(); ++pos) {
        const UINT state = menu.GetMenuState(static_cast<UINT>(pos), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromStdString(menu.GetMenuString(static_cast<UINT>(pos), MF_BYPOSITION)));
        const UINT id = menu.GetMenuItemID(pos);
        action->setData(id);
        action->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
        QObject::connect(action, &QAction::triggered, popup, [onChoose, id] { onChoose(id); });
    }
    return popup;
}

} // namespace

void ShowSystemMenu(HWND hwnd, const QPoint& globalPos)
{
    WindowRecord* rec = Find(hwnd);
    CMenu* menu = rec && rec->wnd ? rec->wnd->GetSystemMenu(FALSE) : nullptr;
    if (!menu || !rec->outer) {
        return;
    }
    QMenu* popup = BuildPopup(*menu, rec->outer, [hwnd, globalPos](UINT id) {
        ::PostMessage(hwnd, WM_SYSCOMMAND, id, MAKELPARAM(globalPos.x(), globalPos.y()));
    });
    const bool iconic = rec->minimized || rec->outer->isMaximized();
    for (QAction* action : popup->actions()) {
        if (action->data().toUInt() == SC_RESTORE) {
            action->setEnabled(iconic);
        }
    }
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->popup(globalPos);
}

} // namespace layer
