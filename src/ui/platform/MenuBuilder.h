#pragma once
// Shows a CMenu's entries as a Qt popup menu.

#include "ui/platform/Types.h"

#include <functional>

class QMenu;
class QWidget;

namespace layer {
// A popup with the menu's entries (each action's data is its command id); choosing one calls onChoose.
QMenu* BuildMenu(HMENU menu, QWidget* parent, std::function<void(UINT)> onChoose);
} // namespace layer
