// The dialog templates as the windows are built from them: every template present, the main window's
// size in pixels and its buttons, the food form's boxes on the food catalogue's ids, inside their
// painted bands and holding the catalogue's entries, and the pages' radio groups.

#include "food/FoodCatalogue.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/Messages.h"
#include "platform/core/Styles.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

const DialogControl* FindControl(const DialogTemplate& t, int id)
{
    for (const DialogControl& c : t.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

TEST(DialogTemplates, EveryWindowOfTheProgramHasItsTemplate)
{
    for (int id : {IDD_ABOUTBOX, IDD_CALORIE_DIALOG, IDD_FOOD_FORM, IDD_BANNER_HOST, IDD_EXERCISE, IDD_RECOMMEND,
                   IDD_BMI, IDD_WAISTHIP, IDD_FOOD_TOTAL, IDD_FOOD_FINDER}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->id, id);
        EXPECT_EQ(t->fontFace, "굴림") << id;
        EXPECT_EQ(t->fontPoints, 9) << id;
    }
    for (int id : {0, 101, 103, 129, 146, -1}) {
        EXPECT_EQ(FindDialogTemplate(id), nullptr) << id;
    }
}

TEST(DialogTemplates, MainWindowIsAFramelessPopupWithElevenOwnerDrawnButtons)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_CALORIE_DIALOG);
    // 445 × 352 units: a 778 × 528 client inside the 1-pixel border, 780 × 530 in all.
    EXPECT_EQ(DialogUnitsToPixelsX(t.cx), 778);
    EXPECT_EQ(DialogUnitsToPixelsY(t.cy), 528);
    EXPECT_EQ(t.style, WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT);
    EXPECT_EQ(t.exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(t.title, "");

    const std::pair<int, std::string_view> buttons[] = {
        {IDC_DIARY, "Diary"},      {IDC_BODY, "Body"},       {IDC_RELAY, "Relay"},  {IDC_MALL, "Mall"}, {IDC_MENU_FOOD, "음식칼로리"},
        {IDC_MENU_EXERCISE, "운동칼로리"}, {IDC_MENU_RECOMMEND, "권장칼로리"}, {IDC_MENU_BMI, "비만도"}, {IDC_MENU_WAISTHIP, "복부비만"}, {1, "X"}, {2, "_"}};
    ASSERT_EQ(t.controls.size(), std::size(buttons));
    for (const auto& [id, caption] : buttons) {
        const DialogControl* c = FindControl(t, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->className, "Button") << id;
        EXPECT_EQ(c->text, caption) << id;
        EXPECT_EQ(c->style & BS_TYPEMASK, BS_OWNERDRAW) << id;
        EXPECT_NE(c->style & WS_VISIBLE, 0u) << id;
        EXPECT_NE(c->style & WS_TABSTOP, 0u) << id;
    }
    // Close and minimise stay where the template puts them, near the top right corner.
    EXPECT_EQ(CPoint(FindControl(t, 1)->x, FindControl(t, 1)->y), CPoint(433, 3));
    EXPECT_EQ(CPoint(FindControl(t, 2)->x, FindControl(t, 2)->y), CPoint(424, 3));
}

TEST(DialogTemplates, FoodFormRowsUseTheCataloguesBoxesInsideTheirBands)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_FOOD_FORM);
    EXPECT_EQ(t.cx, 255);
    EXPECT_EQ(DialogUnitsToPixelsY(t.cy), 543);
    ASSERT_EQ(t.controls.size(), 33u);
    EXPECT_EQ(t.controls[0].text, "#136");
    EXPECT_EQ(t.controls[0].style & SS_TYPEMASK, SS_BITMAP);

    const CFoodCatalogue catalogue;
    constexpr int kBoxHeight = 20; // a drop-down box's own height in pixels with the dialog font
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        const int bandTop = 32 * row;
        for (int id : {catalogue.DishBoxId(row), catalogue.PortionBoxId(row)}) {
            SCOPED_TRACE(testing::Message() << "row " << row << ", box " << id);
            const DialogControl* box = FindControl(t, id);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->className, "ComboBox");
            EXPECT_EQ(box->style & 0x3u, CBS_DROPDOWNLIST);
            EXPECT_EQ(box->style & CBS_SORT, 0u);
            EXPECT_NE(box->style & WS_VSCROLL, 0u);
            EXPECT_NE(box->style & WS_TABSTOP, 0u);
            EXPECT_EQ(box->cy, 130);
            const int top = DialogUnitsToPixelsY(box->y);
            EXPECT_GE(top, bandTop);
            EXPECT_LE(top + kBoxHeight, bandTop + 32);
        }
        // The dish box left of the portion box, both under the header's columns.
        EXPECT_LT(FindControl(t, catalogue.DishBoxId(row))->x + FindControl(t, catalogue.DishBoxId(row))->cx,
                  FindControl(t, catalogue.PortionBoxId(row))->x);
    }
}

TEST(DialogTemplates, FoodFormBoxesHoldTheCataloguesEntriesInOrder)
{
    const DialogTemplate& t = *FindDialogTemplate(IDD_FOOD_FORM);
    const CFoodCatalogue catalogue;
    std::size_t dishEntries = 0;
    std::size_t portionEntries = 0;
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const DialogControl* dish = FindControl(t, catalogue.DishBoxId(row));
        const DialogControl* portion = FindControl(t, catalogue.PortionBoxId(row));
        ASSERT_TRUE(dish && portion);
        EXPECT_EQ(std::vector<std::string>(dish->initItems.begin(), dish->initItems.end()), catalogue.DishEntries(row));
        EXPECT_EQ(std::vector<std::string>(portion->initItems.begin(), portion->initItems.end()),
                  catalogue.PortionEntries());
        EXPECT_EQ(dish->initItems.front(), ":::선택하세요:::");
        dishEntries += dish->initItems.size();
        portionEntries += portion->initItems.size();
    }
    EXPECT_EQ(dishEntries, 368u);
    EXPECT_EQ(portionEntries, 368u);
    EXPECT_TRUE(t.controls[0].initItems.empty()) << "the header picture";
}

TEST(DialogTemplates, RadioGroupsStartWhereTheirPagesSay)
{
    struct Case {
        int templateId;
        int firstRadio;
        int secondRadio;
    };
    const Case cases[] = {
        {IDD_RECOMMEND, IDC_MALE, IDC_FEMALE},    {IDD_BMI, IDC_MALE, IDC_FEMALE},
        {IDD_WAISTHIP, IDC_WAIST_INCH, IDC_WAIST_CM}, {IDD_WAISTHIP, IDC_HIP_INCH, IDC_HIP_CM},
        {IDD_WAISTHIP, IDC_MALE, IDC_FEMALE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.templateId << ": " << c.firstRadio);
        const DialogTemplate& t = *FindDialogTemplate(c.templateId);
        const DialogControl* first = FindControl(t, c.firstRadio);
        const DialogControl* second = FindControl(t, c.secondRadio);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        EXPECT_EQ(second->style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        EXPECT_NE(first->style & WS_GROUP, 0u);
        EXPECT_EQ(second->style & WS_GROUP, 0u);
    }
    // The hip edit starts no group, so the waist-unit group runs over it.
    EXPECT_EQ(FindControl(*FindDialogTemplate(IDD_WAISTHIP), IDC_HIP)->style & WS_GROUP, 0u);
}

TEST(DialogTemplates, PagesAndBarAreHiddenChildrenWithoutCaption)
{
    for (int id : {IDD_EXERCISE, IDD_RECOMMEND, IDD_BMI, IDD_WAISTHIP, IDD_FOOD_TOTAL, IDD_BANNER_HOST}) {
        const DialogTemplate& t = *FindDialogTemplate(id);
        EXPECT_NE(t.style & WS_CHILD, 0u) << id;
        EXPECT_EQ(t.style & (WS_VISIBLE | WS_DLGFRAME | WS_BORDER), 0u) << id;
    }
    const DialogTemplate& about = *FindDialogTemplate(IDD_ABOUTBOX);
    EXPECT_EQ(about.style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(about.title, "Vintora 정보");
    const DialogControl* ok = FindControl(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text, "확인");
    EXPECT_EQ(ok->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(FindControl(about, IDC_ABOUT_VERSION)->text, "Vintora 버전 1.0");
}

} // namespace
