#pragma once
// Modal windows and the keyboard in tests. A modal run (a message box, a modal dialog) keeps the test inside
// its loop until it ends, so the test arranges beforehand what a person does once the window is up. Keys go
// where the keyboard focus is, as a person types them.

#include "ui/platform/Wnd.h"

#include <functional>
#include <string>

namespace uitest {

// Runs `script` from inside the next modal loop, once a modal window is shown and active; gives up after
// five seconds without one.
void WhenModal(std::function<void()> script);
// Inside a WhenModal script: closes the modal window the script was started for if it is still open (as the
// desktop's close button would), so that a test fails instead of waiting for it; answers whether it had to.
bool CloseModalIfStillOpen();
// The text of the message box that is active now; empty when none is.
std::string ActiveMessageBoxText();
// Whether the window (or the top-level window it belongs to) is the active window.
bool IsActive(CWnd* window);
// A key press and release where the keyboard focus is now, delivered as the desktop delivers keys: to the
// active window's focused widget, or to the window itself. keypad: the numeric keypad's key (Enter).
bool PressFocusedKey(UINT vk, bool keypad = false);

} // namespace uitest
