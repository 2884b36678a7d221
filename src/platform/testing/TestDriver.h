#pragma once
// Drives windows as a person would, for tests of pages and windows (no Qt in this header). Controls are
// named by their id within a window; id 0 names the window itself. Pointer and key input is real input
// (delivered through the desktop's event path), so it passes PreTranslateMessage, message maps and the
// controls' own behaviour. Every wait is bounded.

#include "platform/Afx.h"
#include "platform/testing/DrawRecorder.h"
#include "platform/testing/Flick.h"
#include "platform/testing/ModalDriver.h"
#include "platform/testing/Recorders.h"

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Processes pending events (posted messages, repaints, timers) once.
void ProcessEvents();
// Processes events until cond() holds or timeoutMs passes; answers cond()'s last value.
bool WaitUntil(const std::function<bool()>& cond, int timeoutMs = 5000);

// Shows a top-level window (if needed) and waits until the desktop has exposed and activated it.
bool ShowAndActivate(CWnd* window);

// The control's rectangle in the window's client coordinates; empty when there is no such control.
CRect ControlRect(CWnd* window, int id);

// Pointer: a press and release at the control's centre (or at a client point of the window).
bool Click(CWnd* window, int id);
bool ClickAt(CWnd* window, CPoint clientPoint);
bool RightClickAt(CWnd* window, CPoint clientPoint);
bool DoubleClickAt(CWnd* window, CPoint clientPoint);
bool Press(CWnd* window, int id);   // left button down at the centre, held
bool Release(CWnd* window, int id); // left button up at the centre
// Moves the pointer onto the control's centre / to a client point of the window.
bool MoveOnto(CWnd* window, int id);
bool MoveTo(CWnd* window, CPoint clientPoint);
// Moves the pointer off the control, to a point of its parent just outside it.
bool MoveAway(CWnd* window, int id);
// Drags with the left button from one client point to another (press, moves, release).
bool Drag(CWnd* window, CPoint from, CPoint to);

// Keyboard: a key press and release on the control (it takes the focus first); while a popup is open
// (a dropped list, a menu) the key goes to the popup, as the keyboard's does. vk is VK_RETURN,
// VK_ESCAPE, VK_TAB, VK_SPACE, VK_UP, VK_DOWN, 'A' …; shift/alt/ctrl hold those keys.
bool PressKey(CWnd* window, int id, UINT vk, bool shift = false, bool alt = false, bool ctrl = false);
// Replaces an edit's text by typing: focus, select all, type each character.
bool TypeText(CWnd* window, int id, const std::string& text);

// Wheel: `notches` turns of the mouse wheel with the pointer at a client point of the window; positive
// turns roll away from the user (up).
bool Wheel(CWnd* window, CPoint clientPoint, int notches);

// Characters typed into a control (it takes the focus first): each as a key press and release that
// carries the character, as a keyboard layout delivers it, or all at once as an input method commits
// a composed text (Korean syllables).
bool TypeKeys(CWnd* window, int id, const std::string& text);
bool CommitInput(CWnd* window, int id, const std::string& text);
// The same where the keyboard focus is now (ModalDriver.h's PressFocusedKey for keys without text).
bool TypeFocusedKeys(const std::string& text);
bool CommitFocusedInput(const std::string& text);
// Puts the text on the clipboard and pastes it into the edit with Ctrl+V: the edit takes what its own
// paste makes of it (a line break, a limit). Answers whether the edit took the focus and the keys.
bool PasteText(CWnd* window, int id, const std::string& text);

// Combo box: a click on the box opens its list; whether the open list shows a scroll bar.
bool OpenComboList(CWnd* window, int id);
bool DroppedListShowsScrollBar(CWnd* window, int id);
// Combo box: the user chooses an entry (opens the list and clicks the entry), raising CBN_SELCHANGE.
bool ChooseComboEntry(CWnd* window, int id, int index);
bool ChooseComboEntry(CWnd* window, int id, const std::string& text);
std::vector<std::string> ComboEntries(CWnd* window, int id);
// Changes the text of an entry in place (no re-sorting, no notification): a box whose entry no longer
// reads as what the program put there.
bool RenameComboEntry(CWnd* window, int id, int index, const std::string& text);

// List view: click a row's check box / click a row's first cell (selects it) / double-click that cell.
bool TickListRow(CWnd* window, int id, int row);
bool SelectListRow(CWnd* window, int id, int row);
bool DoubleClickListRow(CWnd* window, int id, int row);
// A row's check box in the window's client coordinates (the row scrolled into view); empty when none.
CRect ListCheckBoxRect(CWnd* window, int id, int row);
std::vector<std::string> ListHeaders(CWnd* window, int id);
bool ListShowsGrid(CWnd* window, int id);

// What a person reads: an edit's text, a combo's shown text, a static's or button's caption.
std::string Text(CWnd* window, int id);
// The plain text on the clipboard now.
std::string ClipboardText();
std::string ListText(CWnd* window, int id, int row, int column);
bool IsChecked(CWnd* window, int id); // radio button
bool IsVisible(CWnd* window, int id = 0); // visible on screen (the window and its parents shown)
bool HasFocus(CWnd* window, int id);
int FocusedControlId(CWnd* window); // the id of the focused control inside the window, 0 when none
bool IsPressed(CWnd* window, int id); // a push button held down

// What a screen reader says, read through Qt's accessibility interface: the name, the value (a
// drop-down's entry) and the description of a control (id) or of the window (id 0), and the text of the
// labels that name a control (a radio button's group). Empty when there is none.
std::string AccessibleName(CWnd* window, int id = 0);
std::string AccessibleValue(CWnd* window, int id = 0);
std::string AccessibleDescription(CWnd* window, int id = 0);
std::string AccessibleLabel(CWnd* window, int id);
// What the screen reader takes the control or window for: the name of Qt's accessible role ("Window",
// "Button", "RadioButton", "ComboBox", …).
std::string AccessibleRole(CWnd* window, int id = 0);
// Whether a screen reader hears a control as one that can be checked, and as checked now; for a list (id),
// the check box of a row (the row's first cell).
struct CheckState {
    bool checkable = false;
    bool checked = false;
};
CheckState AccessibleCheckState(CWnd* window, int id = 0);
CheckState AccessibleRowCheckState(CWnd* window, int id, int row);
// The top-level windows that a screen reader finds under the program, by name.
std::vector<std::string> AccessibleWindowNames();
// While it lives, a top-level window that the desktop never has (never made, never shown) and that has an
// accessible interface of its own, as the window a browser engine draws its pages in.
class UnmadeWindow {
public:
    explicit UnmadeWindow(const std::string& title);
    ~UnmadeWindow();
    UnmadeWindow(const UnmadeWindow&) = delete;
    UnmadeWindow& operator=(const UnmadeWindow&) = delete;

private:
    void* m_window; // the QWindow
};
// The ids of the window's controls that the keyboard reaches and that a screen reader would announce
// without a name.
std::vector<int> UnnamedControls(CWnd* window);

// The window's picture as it is painted now (the window and its children); colour of one pixel in
// client coordinates (logical pixels), or 0xFFFFFFFF outside.
COLORREF PixelColor(CWnd* window, int x, int y);
// How many pixels of that picture inside `area` (client coordinates) show exactly `color`; device
// pixels, so a logical pixel counts dpr × dpr times.
int CountPixels(CWnd* window, const CRect& area, COLORREF color);
bool SaveImage(CWnd* window, const std::string& path);

// Windows on screen, as a person sees them. The shown child windows of a window (its controls and child
// dialogs), in creation order; a descendant's rectangle in the client coordinates of a window of the same
// top-level window (empty when either is missing); the open popup (a dropped list, a menu) in the window's
// client coordinates, empty when none is open.
std::vector<CWnd*> VisibleChildren(CWnd* window);
CRect RectIn(CWnd* window, CWnd* descendant);
CRect PopupRect(CWnd* window);
// Restores a minimised top-level window as the desktop's task bar does, and waits until it is active.
bool RestoreFromTaskbar(CWnd* window);
// The widths of the pictures a top-level window hands the window manager as its icon, smallest first.
std::vector<int> WindowIconSizes(CWnd* window);
// On the offscreen platform every window that is shown takes the activation, popups too, and nothing gives
// it back when a popup closes in some ways (a double-click on a drop-down list): the keyboard then reaches
// no window. A window system gives the activation back to the window under the popup. This does that for
// the window when no popup is open and a closed popup is still active; answers whether it had to.
bool ReturnActivationFromClosedPopup(CWnd* window);

// While it lives, drops the warnings that a person's pointer and popups cause as a matter of course in long
// runs: the test framework's about a pointer event outside its window (a drag out of the window, which keeps
// the pointer while the button is held) and the offscreen platform's about raising windows and grabbing
// the keyboard (every popup). Every other message passes as before.
class QuietPointerWarnings {
public:
    QuietPointerWarnings();
    ~QuietPointerWarnings();
    QuietPointerWarnings(const QuietPointerWarnings&) = delete;
    QuietPointerWarnings& operator=(const QuietPointerWarnings&) = delete;
};

// Menus: whether a popup menu is open, its entry texts, and choosing an entry by its text.
bool IsMenuOpen();
std::vector<std::string> OpenMenuEntries();
bool ChooseMenuEntry(const std::string& text);

} // namespace uitest
