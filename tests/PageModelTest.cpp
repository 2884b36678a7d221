#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/PageModel.h"
#include "res/Resource.h"

namespace {

using K = PageEffectKind;

TEST(PageTables, ButtonsAndTitlesPerPage)
{
    struct Case {
        PageId page;
        int button;
        int title;
    };
    const Case cases[] = {
        {PageId::Food, IDC_MENU_FOOD, IDB_TITLE_FOOD},
        {PageId::Exercise, IDC_MENU_EXERCISE, IDB_TITLE_EXERCISE},
        {PageId::Recommend, IDC_MENU_RECOMMEND, IDB_TITLE_RECOMMEND},
        {PageId::Bmi, IDC_MENU_BMI, IDB_TITLE_BMI},
        {PageId::WaistHip, IDC_MENU_WAISTHIP, IDB_TITLE_WAISTHIP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(MenuButtonId(c.page), c.button);
        EXPECT_EQ(TitleBitmapId(c.page), c.title);
    }
    const auto bogus = static_cast<PageId>(42);
    EXPECT_EQ(MenuButtonId(bogus), 0);
    EXPECT_EQ(TitleBitmapId(bogus), 0);
}

TEST(PageModel, StartsOnTheFoodPage)
{
    const CPageModel model;
    EXPECT_EQ(model.State(), (PageState{PageId::Food, PageId::Food, 141}));
}

TEST(PageModel, SwitchingPagesInClickStepOrder)
{
    CPageModel model;
    EXPECT_EQ(model.Click(PageId::Bmi), (std::vector<PageEffect>{
                                            {K::SelectButton, PageId::Bmi},
                                            {K::UnselectButton, PageId::Food},
                                            {K::SelectButton, PageId::Bmi},
                                            {K::HidePage, PageId::Food},
                                            {K::ShowPage, PageId::Bmi},
                                            {K::RepaintTitle, PageId::Bmi},
                                        }));
    EXPECT_EQ(model.State(), (PageState{PageId::Bmi, PageId::Bmi, 144}));

    // Back to food: its page and its title in full.
    EXPECT_EQ(model.Click(PageId::Food), (std::vector<PageEffect>{
                                             {K::SelectButton, PageId::Food},
                                             {K::UnselectButton, PageId::Bmi},
                                             {K::SelectButton, PageId::Food},
                                             {K::HidePage, PageId::Bmi},
                                             {K::ShowPage, PageId::Food},
                                             {K::RepaintTitle, PageId::Food},
                                         }));
    EXPECT_EQ(model.State(), (PageState{PageId::Food, PageId::Food, 141}));
}

TEST(PageModel, ClickOnTheShownPageOnlyRepaints)
{
    for (PageId page : kPageIds) {
        SCOPED_TRACE(MenuButtonId(page));
        CPageModel model;
        model.Click(page);
        const PageState before = model.State();
        EXPECT_EQ(model.Click(page), (std::vector<PageEffect>{{K::SelectButton, page}, {K::RepaintTitle, page}}));
        EXPECT_EQ(model.State(), before);
    }
}

// Applies the effects to a stand-in for the windows, and checks after every switch between any two
// pages that exactly the chosen page and button show, and that the title area repaints once.
TEST(PageModel, EverySwitchLeavesOnePageAndOneButtonSelected)
{
    for (PageId from : kPageIds) {
        for (PageId to : kPageIds) {
            SCOPED_TRACE(std::to_string(MenuButtonId(from)) + " -> " + std::to_string(MenuButtonId(to)));
            CPageModel model;
            std::set<PageId> visible{PageId::Food};
            std::set<PageId> selected{PageId::Food};
            int titleRepaints = 0;
            auto apply = [&](const std::vector<PageEffect>& effects) {
                for (const PageEffect& effect : effects) {
                    switch (effect.kind) {
                    case K::SelectButton: selected.insert(effect.page); break;
                    case K::UnselectButton: selected.erase(effect.page); break;
                    case K::HidePage: visible.erase(effect.page); break;
                    case K::ShowPage: visible.insert(effect.page); break;
                    case K::RepaintTitle:
                        EXPECT_EQ(effect.page, model.State().shown);
                        ++titleRepaints;
                        break;
                    }
                }
            };
            apply(model.Click(from));
            titleRepaints = 0;
            const auto effects = model.Click(to);
            apply(effects);

            EXPECT_EQ(visible, std::set<PageId>{to});
            EXPECT_EQ(selected, std::set<PageId>{to});
            EXPECT_EQ(titleRepaints, 1);
            EXPECT_EQ(effects.back(), (PageEffect{K::RepaintTitle, to}));
            EXPECT_EQ(model.State(), (PageState{to, to, TitleBitmapId(to)}));
        }
    }
}

TEST(PageModel, UnknownPageChangesNothing)
{
    CPageModel model;
    model.Click(PageId::Exercise);
    const PageState before = model.State();
    EXPECT_TRUE(model.Click(static_cast<PageId>(42)).empty());
    EXPECT_EQ(model.State(), before);
}

} // namespace
