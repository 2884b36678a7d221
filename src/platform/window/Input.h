#pragma once
// The pointer and the keyboard: mouse tracking, cursors, the state of the keys, and system metrics.

#include "platform/core/Types.h"

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF; // 400 ms

struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime; // milliseconds
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// One request: TME_HOVER gives one WM_MOUSEHOVER after the pointer rests dwHoverTime on the window,
// TME_LEAVE one WM_MOUSELEAVE when it leaves (at once, posted, if it is not over the window now).
// FALSE for a handle that names no window.
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
inline BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) { return _TrackMouseEvent(lpEventTrack); }

// Whether a key (VK_SHIFT, VK_CONTROL, VK_MENU) is held with the key being handled now: the high bit
// set (a negative answer) when it is down.
SHORT GetKeyState(int nVirtKey);

// Standard cursor ids, passed where a resource name is expected.
#define MAKEINTRESOURCEA(i) (reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE(i) MAKEINTRESOURCEA(i)
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_SIZEALL MAKEINTRESOURCEA(32646)
#define IDC_HAND MAKEINTRESOURCEA(32649)

// A standard cursor (hInstance null, lpCursorName an IDC_ id); null for an unknown id.
HCURSOR LoadCursor(HINSTANCE hInstance, const char* lpCursorName);
// Shows hCursor over the window under the pointer until the next WM_SETCURSOR; previous cursor.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
BOOL GetCursorPos(LPPOINT lpPoint); // screen coordinates

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
// Icons 32 × 32, small icons 16 × 16, scroll bars 17 pixels, the primary screen's size.
int GetSystemMetrics(int nIndex);

namespace layer {
struct WindowRecord;
// The hosts' mouse events drive the requests above: the pointer moved over the window (a hover request
// waits for it to rest there), or it left the window (a pending hover is dropped and a leave request
// answered).
void PointerMovedIn(WindowRecord* record);
void PointerLeft(WindowRecord* record);
} // namespace layer
