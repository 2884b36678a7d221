#include "platform/core/Menu.h"

#include <memory>
#include <unordered_set>
#include <vector>

namespace {

struct MenuItem {
    UINT flags;
    UINT id;
    std::string text;
};

struct MenuObject {
    std::vector<MenuItem> items;
    CMenu* owner = nullptr;
    std::unique_ptr<CMenu> wrapper;
};

std::unordered_set<const void*>& LiveMenus()
{
    static auto* live = new std::unordered_set<const void*>();
    return *live;
}

MenuObject* AsMenu(HMENU h)
{
    return h && LiveMenus().count(h) ? reinterpret_cast<MenuObject*>(h) : nullptr;
}

// An entry by position (MF_BYPOSITION) or by command id, or null.
const MenuItem* FindItem(const MenuObject* m, UINT nIDItem, UINT nFlags)
{
    if (!m) {
        return nullptr;
    }
    if (nFlags & MF_BYPOSITION) {
        return nIDItem < m->items.size() ? &m->items[nIDItem] : nullptr;
    }
    for (const MenuItem& item : m->items) {
        if (!(item.flags & MF_SEPARATOR) && item.id == nIDItem) {
            return &item;
        }
    }
    return nullptr;
}

} // namespace

CMenu::~CMenu()
{
    if (MenuObject* m = AsMenu(m_hMenu); m && m->owner == this) {
        DestroyMenu();
    }
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu) {
        return FALSE;
    }
    auto* m = new MenuObject();
    m->owner = this;
    LiveMenus().insert(m);
    m_hMenu = reinterpret_cast<HMENU>(m);
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    MenuObject* m = AsMenu(m_hMenu);
    if (!m) {
        return FALSE;
    }
    LiveMenus().erase(m);
    m_hMenu = nullptr;
    if (m->wrapper.get() == this) {
        (void)m->wrapper.release(); // this object is the wrapper and is being used right now
    }
    delete m;
    return TRUE;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    MenuObject* m = AsMenu(hMenu);
    if (!m) {
        return nullptr;
    }
    if (m->owner) {
        return m->owner;
    }
    if (!m->wrapper) {
        m->wrapper = std::make_unique<CMenu>();
        m->wrapper->m_hMenu = hMenu;
    }
    return m->wrapper.get();
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem)
{
    MenuObject* m = AsMenu(m_hMenu);
    if (!m) {
        return FALSE;
    }
    const bool separator = nFlags & MF_SEPARATOR;
    m->items.push_back(MenuItem{nFlags, separator ? 0u : static_cast<UINT>(nIDNewItem),
                                separator || !lpszNewItem ? std::string() : std::string(lpszNewItem)});
    return TRUE;
}

int CMenu::GetMenuItemCount() const
{
    MenuObject* m = AsMenu(m_hMenu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    MenuObject* m = AsMenu(m_hMenu);
    if (!m || nPos < 0 || nPos >= static_cast<int>(m->items.size())) {
        return static_cast<UINT>(-1);
    }
    return m->items[static_cast<size_t>(nPos)].id;
}

std::string CMenu::GetMenuString(UINT nIDItem, UINT nFlags) const
{
    const MenuItem* item = FindItem(AsMenu(m_hMenu), nIDItem, nFlags);
    return item ? item->text : std::string();
}

UINT CMenu::GetMenuState(UINT nIDItem, UINT nFlags) const
{
    const MenuItem* item = FindItem(AsMenu(m_hMenu), nIDItem, nFlags);
    return item ? item->flags & ~MF_BYPOSITION : static_cast<UINT>(-1);
}
