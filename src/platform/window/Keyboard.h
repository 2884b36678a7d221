#pragma once
// The keyboard's state as the classic desktop reports it.

#include "platform/core/Types.h"

// Negative while the key is held down: VK_SHIFT and VK_CONTROL as they were held with the key that the
// windows are handling now (or last handled); 0 for other keys.
SHORT GetKeyState(int nVirtKey);
