#pragma once
// A flick in tests: the left button pressed, moved and released quicker than the program answers the press.
// The three events arrive in one burst, as the desktop delivers them; what the program posted on the press
// (a window move) is handled only after the given one of them.

#include "platform/window/Wnd.h"

namespace uitest {

enum class FlickAnswer { AfterPress, AfterMove, AfterRelease };

// From one client point of the window to another; the points are on the screen as they were at the press.
bool Flick(CWnd* window, CPoint from, CPoint to, FlickAnswer answer);

} // namespace uitest
