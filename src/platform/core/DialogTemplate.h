#pragma once
// Dialog templates as plain data: a window and its controls, placed in dialog units. The program's
// templates live in src/res (FindDialogTemplate); tests may build their own.

#include "platform/core/Types.h"

#include <span>
#include <string_view>

struct DialogControl {
    int id;
    std::string_view className; // "Button", "Edit", "Static", "ComboBox", "SysListView32"
    DWORD style;                // WS_*, and the class's own styles (BS_*, ES_*, CBS_*, LVS_*, SS_*)
    DWORD exStyle;
    int x, y, cx, cy; // dialog units; a combo box's cy is the depth of its dropped list
    std::string_view text; // UTF-8; an SS_BITMAP/SS_ICON static names its resource "#<id>"
    std::span<const std::string_view> initItems = {}; // a combo box's entries, added in order (CB_ADDSTRING)
};

struct DialogTemplate {
    int id;
    DWORD style; // WS_*, DS_*
    DWORD exStyle;
    int cx, cy;  // client size in dialog units
    std::string_view title;
    std::string_view fontFace; // "굴림"
    int fontPoints;            // 9
    std::span<const DialogControl> controls; // in tab order
};

// The program's template `id`, or null (defined in src/res/DialogTemplates.cpp).
const DialogTemplate* FindDialogTemplate(int id);

// Dialog units to pixels by the base units of 굴림 9 pt at 96 dpi: x·7/4 and y·12/8, truncated.
constexpr int DialogUnitsToPixelsX(int x) { return x * 7 / 4; }
constexpr int DialogUnitsToPixelsY(int y) { return y * 12 / 8; }
// Each edge is mapped on its own, so a width is right − left of the mapped edges.
constexpr RECT DialogRectToPixels(int x, int y, int cx, int cy)
{
    return RECT{DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + cx),
                DialogUnitsToPixelsY(y + cy)};
}
