#pragma once
// Menus: the window system menu. Entries are kept by the layer and shown as a popup when asked.

#include "platform/core/Types.h"

#include <string>

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();

    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    operator HMENU() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU hMenu);

    // An entry with a command id and UTF-8 text ('&' marks the access key), or a separator.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const; // 0 for a separator, -1 (as UINT) for a bad position
    std::string GetMenuString(UINT nIDItem, UINT nFlags) const;
    // The entry's flags (MF_SEPARATOR, MF_GRAYED …), -1 (as UINT) when there is no such entry.
    UINT GetMenuState(UINT nIDItem, UINT nFlags) const;
};
