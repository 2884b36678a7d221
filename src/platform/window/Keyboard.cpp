#include "platform/window/Keyboard.h"

#include "platform/core/Messages.h"
#include "platform/window/Dispatcher.h"

SHORT GetKeyState(int nVirtKey)
{
    constexpr auto kDown = static_cast<SHORT>(0x8000);
    switch (nVirtKey) {
    case VK_SHIFT:
        return layer::ShiftHeld() ? kDown : SHORT{0};
    case VK_CONTROL:
        return layer::ControlHeld() ? kDown : SHORT{0};
    default:
        return 0;
    }
}
