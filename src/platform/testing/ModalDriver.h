#pragma once
// Modal windows and the keyboard in tests. A modal run (a message box, a modal dialog) keeps the test inside
// its loop until it ends, so the test arranges beforehand what a person does once the window is up. Keys go
// where the keyboard focus is, as a person types them.

#include "platform/window/Wnd.h"

#include <functional>
#include <memory>
#include <string>

namespace uitest {

// Runs `script` from inside the next modal loop, once a modal window is shown and active; gives up after
// five seconds without one.
void WhenModal(std::function<void()> script);
// Answers every modal window that comes up while it lives, by a person's hand: `answer` runs from inside
// the window's modal loop once the window is shown and active, once per window (CloseModalIfStillOpen
// closes that window). `answerPopup` is asked at every turn of the event loop while a popup (a menu, a
// dropped list) is open, until it answers that it dealt with that popup: a menu that runs a loop of its
// own (a scroll bar's) is answered there. For runs where a modal window may come up at any step.
class ModalWatcher {
public:
    ModalWatcher(std::function<void()> answer, std::function<bool()> answerPopup);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

private:
    struct Timer;
    std::unique_ptr<Timer> m_timer;
};
// How many event loops run inside one another now (a modal window or a menu's own loop adds one; a test's
// processing of events does not).
int EventLoopDepth();
// The layer's window object of the active modal window (a modal dialog); null when none is up or when it
// is not one of the layer's windows (a message box).
CWnd* ActiveModalWindow();

// Inside a WhenModal script: closes the modal window the script was started for if it is still open (as the
// desktop's close button would), so that a test fails instead of waiting for it; answers whether it had to.
bool CloseModalIfStillOpen();
// The text of the message box that is active now; empty when none is.
std::string ActiveMessageBoxText();
// Whether the window (or the top-level window it belongs to) is the active window.
bool IsActive(CWnd* window);
// A key press and release where the keyboard focus is now, delivered as the desktop delivers keys: to the
// active window's focused widget, or to the window itself. keypad: the numeric keypad's key (Enter);
// shift/alt/ctrl hold those keys.
bool PressFocusedKey(UINT vk, bool keypad = false, bool shift = false, bool alt = false, bool ctrl = false);

} // namespace uitest
