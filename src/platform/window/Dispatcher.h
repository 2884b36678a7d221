#pragma once
// The one place where Qt events become messages: sending and posting messages, the message being
// handled now (for Default), the default processing of an event-born message (the widget's own Qt
// handling), and the key pre-translation that runs before any widget sees a key.

#include "platform/core/TaskQueue.h"
#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <functional>

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

namespace layer {

// Sends a message to the window's object now; 0 when there is no such window.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Sends a message born of a Qt event; the default processing of that message runs `base`.
LRESULT SendFromEvent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& base);
// Queues a message for the user-interface thread; safe from any thread. Dropped if the window is gone.
bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The message being handled now (for Default), or null.
const MSG* CurrentMessage();
// If the message being handled now came from a Qt event for hwnd/message and its default has not run
// yet, runs it and answers true.
bool RunEventDefault(HWND hwnd, UINT message);

// Translates the events of a host widget that belongs to `hwnd` into messages. `base` is the widget's
// own handling of the event. Answers whether the event was handled.
bool HostEvent(QWidget* widget, HWND hwnd, QEvent* event, const std::function<bool()>& base);

// Key pre-translation: PreTranslateMessage from the control up to its top-level window, then the
// system keys (Alt+Space, Alt+F4). Answers true when the key is handled and must go no further.
bool PreTranslateKey(QObject* receiver, QKeyEvent* event);
// Whether Shift was held with the key being pre-translated now (Tab versus Shift+Tab).
bool ShiftHeld();
// For a PreTranslateMessage that answers TRUE for a key that a widget of its own handles (a browser view's
// page): the key still reaches the widget it was aimed at, but no window above the one that claimed it.
void PassKeyToWidget();
// The classic key code of a Qt key, 0 when there is none.
UINT VirtualKey(int qtKey);

} // namespace layer
