#include "ui/PageKeys.h"

bool IsPageEnterOrEscape(const CWnd& page, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) {
        return false;
    }
    if (msg.hwnd == nullptr || page.GetSafeHwnd() == nullptr) {
        return false;
    }
    if (msg.hwnd == page.GetSafeHwnd()) {
        return true;
    }
    const CWnd* target = CWnd::FromHandle(msg.hwnd);
    return target != nullptr && page.IsChild(target);
}
