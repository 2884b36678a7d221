#pragma once
// Messages from worker threads to a window object that may be gone by the time they arrive.

#include "platform/window/Wnd.h"

namespace layer {
BOOL PostToObject(const void* object, const void* (*asExpected)(CWnd*), UINT message, WPARAM wParam, LPARAM lParam);
}

// Posts a message to the window of the T object at `object`, from any thread, without touching the
// object: on the user-interface thread the layer looks among the live windows for one whose object is
// a T at that address, and drops the message when there is none (the object has been destroyed). A
// new T that took the address of a destroyed one gets the message in its place.
template <class T>
BOOL PostMessageToObject(const void* object, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return layer::PostToObject(
        object, [](CWnd* live) -> const void* { return dynamic_cast<T*>(live); }, message, wParam, lParam);
}
