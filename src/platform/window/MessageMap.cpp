#include "platform/window/MessageMap.h"

#include "platform/gdi/DC.h"
#include "platform/window/Wnd.h"

namespace afxmap {
CDC* DcFromHandle(WPARAM hdc) { return CDC::FromHandle(reinterpret_cast<HDC>(hdc)); }
CWnd* WndFromHandle(LPARAM hwnd) { return CWnd::FromHandle(reinterpret_cast<HWND>(hwnd)); }
CScrollBar* ScrollBarFromHandle(LPARAM hwnd) { return dynamic_cast<CScrollBar*>(WndFromHandle(hwnd)); }
LRESULT FromHandle(void* handle) { return reinterpret_cast<LRESULT>(handle); }
} // namespace afxmap
