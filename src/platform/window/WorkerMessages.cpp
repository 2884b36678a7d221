#include "platform/window/WorkerMessages.h"

#include "platform/window/Dispatcher.h"
#include "platform/host/WindowRegistry.h"

BOOL layer::PostToObject(const void* object, const void* (*asExpected)(CWnd*), UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    return object && PostTask([=] {
        for (const HWND hwnd : AllWindows()) {
            const WindowRecord* rec = Find(hwnd);
            if (rec && rec->wnd && !rec->destroying && asExpected(rec->wnd) == object) {
                Send(hwnd, message, wParam, lParam);
                return;
            }
        }
    });
}
