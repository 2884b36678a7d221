#pragma once
// Moving a top-level window with the pointer (WM_NCLBUTTONDOWN on HTCAPTION, the system menu's move): the
// window manager's own move, or the layer's where the window manager cannot take it (a bare X server). The
// move counts from the press, so that a flick (press, move and release quicker than the program answers
// the press) moves the window by its whole displacement all the same.

#include "platform/host/WindowRegistry.h"

class QMouseEvent;

namespace layer {
// Starts moving the top-level window of hwnd with the held left button; nothing when it is not held.
void StartWindowMove(HWND hwnd);
// Answers a press on the window's caption (WM_NCLBUTTONDOWN, HTCAPTION): a move from that press, or, when the
// button went up before the answer came, a move by the whole displacement from the press to the release.
void MoveFromCaptionPress(HWND hwnd);
// Every mouse event of a window passes here first: a left press is noted, and while the layer moves the
// window it follows the pointer until the release. Answers true when the event was the move's own.
bool TrackWindowMove(WindowRecord* record, const QMouseEvent* event);
} // namespace layer
