#include "app/PageModel.h"

#include "res/Resource.h"

#include <algorithm>

namespace {

struct PageTraits {
    PageId page;
    int menuButtonId;
    int titleBitmapId;
    const char* title;
};

constexpr std::array<PageTraits, kPageIds.size()> kPageTraits{{
    {PageId::Food, IDC_MENU_FOOD, IDB_TITLE_FOOD, "음식칼로리 계산기"},
    {PageId::Exercise, IDC_MENU_EXERCISE, IDB_TITLE_EXERCISE, "운동칼로리 계산기"},
    {PageId::Recommend, IDC_MENU_RECOMMEND, IDB_TITLE_RECOMMEND, "권장칼로리 계산기"},
    {PageId::Bmi, IDC_MENU_BMI, IDB_TITLE_BMI, "비만도 계산기"},
    {PageId::WaistHip, IDC_MENU_WAISTHIP, IDB_TITLE_WAISTHIP, "복부비만 계산기"},
}};

// nullptr for a value outside PageId.
const PageTraits* FindTraits(PageId page)
{
    const auto it = std::find_if(kPageTraits.begin(), kPageTraits.end(),
                                 [page](const PageTraits& traits) { return traits.page == page; });
    return it != kPageTraits.end() ? &*it : nullptr;
}

} // namespace

int MenuButtonId(PageId page)
{
    const PageTraits* traits = FindTraits(page);
    return traits ? traits->menuButtonId : 0;
}

int TitleBitmapId(PageId page)
{
    const PageTraits* traits = FindTraits(page);
    return traits ? traits->titleBitmapId : 0;
}

const char* PageTitle(PageId page)
{
    const PageTraits* traits = FindTraits(page);
    return traits ? traits->title : "";
}

std::vector<PageEffect> CPageModel::Click(PageId page)
{
    const PageTraits* traits = FindTraits(page);
    if (!traits)
        return {};

    std::vector<PageEffect> effects{{PageEffectKind::SelectButton, page}};
    if (m_state.selected != page) {
        effects.push_back({PageEffectKind::UnselectButton, m_state.selected});
        effects.push_back({PageEffectKind::SelectButton, page});
        m_state.selected = page;
    }
    if (m_state.shown != page) {
        effects.push_back({PageEffectKind::HidePage, m_state.shown});
        effects.push_back({PageEffectKind::ShowPage, page});
        m_state.shown = page;
    }
    m_state.title = traits->titleBitmapId;
    effects.push_back({PageEffectKind::RepaintTitle, page});
    return effects;
}
