#pragma once
// Which calculator page the main window shows, as a state model without windows. A click on a
// menu button yields the ordered platform effects that the main window applies, one by one.

#include "res/Resource.h"

#include <array>
#include <vector>

enum class PageId { Food, Exercise, Recommend, Bmi, WaistHip };

// In menu order, top to bottom.
inline constexpr std::array<PageId, 5> kPageIds{PageId::Food, PageId::Exercise, PageId::Recommend,
                                                PageId::Bmi, PageId::WaistHip};

// Menu button IDC_MENU_FOOD to IDC_MENU_WAISTHIP (res/Resource.h).
int MenuButtonId(PageId page);
// Title bitmap 141 (Food) to 145 (WaistHip).
int TitleBitmapId(PageId page);
// What the title picture reads, the calculator's name and "계산기": what screen readers say for the
// page and its menu button. Empty for a value outside PageId.
const char* PageTitle(PageId page);

enum class PageEffectKind {
    SelectButton,   // SetSelected(1) on the page's menu button: it repaints at once
    UnselectButton, // SetSelected(0) on the page's menu button: it repaints at once
    HidePage,       // hide the page's window
    ShowPage,       // show the page's window
    RepaintTitle,   // invalidate the title area and update it at once; it shows the page's title
};

struct PageEffect {
    PageEffectKind kind;
    PageId page;
    bool operator==(const PageEffect&) const = default;
};

struct PageState {
    PageId selected; // the menu button drawn selected
    PageId shown;    // the page window shown
    int title;       // the title bitmap id, 141 to 145
    bool operator==(const PageState&) const = default;
};

class CPageModel {
public:
    // The state that the main window's initialisation establishes: the food page shown, its menu
    // button selected, its title drawn. The window itself selects button IDC_MENU_FOOD there.
    CPageModel() = default;

    const PageState& State() const { return m_state; }

    // A click on `page`'s menu button: select it (its button repaints), select it as the current
    // button (unselecting the previous one if it differs, then selecting it again), show its page
    // (hiding the previous one first if it differs), take its title, repaint the title area once.
    std::vector<PageEffect> Click(PageId page);

private:
    PageState m_state{PageId::Food, PageId::Food, IDB_TITLE_FOOD};
};
