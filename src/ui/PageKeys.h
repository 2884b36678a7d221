#pragma once
// The rule that the calculator pages, the food total bar and the banner host share: Enter and Escape
// neither close a page nor press a button. Their PreTranslateMessage answers "handled" when this holds.

#include "platform/Afx.h"

// True for a key-down of Enter or Escape aimed at the page itself or at any window inside it.
bool IsPageEnterOrEscape(const CWnd& page, const MSG& msg);
