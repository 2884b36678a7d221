#include "app/PageModel.h"

#include <algorithm>

namespace {

struct PageTraits {
    PageId page;
    int menuButtonId;
    int templateId;
    int titleBitmapId;
};

constexpr std::array<PageTraits, kPageIds.size()> kPageTraits{{
    {PageId::Food, 1004, 135, 141},
    {PageId::Exercise, 1005, 141, 142},
    {PageId::Recommend, 1006, 142, 143},
    {PageId::Bmi, 1007, 143, 144},
    {PageId::WaistHip, 1008, 144, 145},
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

int PageTemplateId(PageId page)
{
    const PageTraits* traits = FindTraits(page);
    return traits ? traits->templateId : 0;
}

std::optional<PageId> PageForMenuButton(int buttonId)
{
    for (const PageTraits& traits : kPageTraits) {
        if (traits.menuButtonId == buttonId)
            return traits.page;
    }
    return std::nullopt;
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
    m_state.totalBarVisible = page == PageId::Food;
    effects.push_back({PageEffectKind::RepaintTitle, page});
    return effects;
}
