#pragma once
// Work that a person does not see in the program's first frame waits until that frame is on the screen:
// the first window is painted while its expose is handled, and the waiting work runs from the event
// loop right after, in the order it was asked for.

#include "platform/core/Types.h"

#include <functional>

namespace layer {

// Runs `task` on the user-interface thread once the first window of the program has been exposed and
// its frame has reached the display server; from the event loop's next turn when that has happened.
void RunAfterFirstFrame(std::function<void()> task);

} // namespace layer

// Sends `message` to hWnd once the program's first frame is on the screen (see RunAfterFirstFrame);
// nothing when the window is gone by then.
void SendMessageAfterFirstFrame(HWND hWnd, UINT message);
