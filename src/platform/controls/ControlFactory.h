#pragma once
// Making the controls of a dialog template: a control object of its class and the Qt control that
// hosts it, for each control in order.

#include "platform/core/DialogTemplate.h"

namespace layer {
// The controls of a template, in order, inside a window; radio groups formed as the template says.
void CreateTemplateControls(HWND parent, const DialogTemplate& dialogTemplate);
} // namespace layer
