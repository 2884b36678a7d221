#include "food/FoodCatalogue.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/Messages.h"
#include "platform/core/Styles.h"
#include "res/Resource.h"

#include <array>
#include <string>
#include <vector>

// The program's dialog templates as data: sizes and positions in dialog units, texts in UTF-8.

namespace {

constexpr int kStaticId = -1; // labels and pictures that nobody addresses

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kOwnerDrawButton = kChild | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kNumberEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kFirstRadio = kChild | BS_AUTORADIOBUTTON | WS_GROUP;
constexpr DWORD kNextRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT; // no caption, no border; shown by the main window
constexpr DWORD kFoodBox = kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kFoodListDepth = 130;

// About box -------------------------------------------------------------------------------------

constexpr std::array kAboutControls{
    DialogControl{kStaticId, "Static", kChild | SS_ICON, 0, 11, 17, 20, 20, "#128"},
    DialogControl{IDC_ABOUT_VERSION, "Static", kChild | SS_LEFT, 0, 40, 10, 119, 8, "Vintora 버전 1.0"},
    DialogControl{IDC_ABOUT_NOTE, "Static", kChild | SS_LEFT, 0, 40, 25, 119, 8, "식사와 운동의 칼로리를 한눈에"},
    DialogControl{IDOK, "Button", kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, 178, 7, 50, 14, "확인"},
};
constexpr DialogTemplate kAbout{
    IDD_ABOUTBOX, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0, 235, 55,
    "Vintora 정보", "굴림", 9, kAboutControls};

// Main window --------------------------------------------------------------------------------------
// The window places the link and menu buttons in pixels; close and minimise keep these places.

constexpr std::array kMainControls{
    DialogControl{IDC_DIARY, "Button", kOwnerDrawButton, 0, 401, 66, 45, 42, "Diary"},
    DialogControl{IDC_BODY, "Button", kOwnerDrawButton, 0, 401, 108, 45, 42, "Body"},
    DialogControl{IDC_RELAY, "Button", kOwnerDrawButton, 0, 401, 150, 45, 42, "Relay"},
    DialogControl{IDC_MALL, "Button", kOwnerDrawButton, 0, 401, 192, 45, 42, "Mall"},
    DialogControl{IDC_MENU_FOOD, "Button", kOwnerDrawButton, 0, 37, 102, 61, 31, "음식칼로리"},
    DialogControl{IDC_MENU_EXERCISE, "Button", kOwnerDrawButton, 0, 37, 143, 61, 31, "운동칼로리"},
    DialogControl{IDC_MENU_RECOMMEND, "Button", kOwnerDrawButton, 0, 37, 183, 61, 31, "권장칼로리"},
    DialogControl{IDC_MENU_BMI, "Button", kOwnerDrawButton, 0, 37, 224, 61, 31, "비만도"},
    DialogControl{IDC_MENU_WAISTHIP, "Button", kOwnerDrawButton, 0, 37, 265, 61, 31, "복부비만"},
    DialogControl{IDOK, "Button", kOwnerDrawButton, 0, 433, 3, 8, 9, "X"},
    DialogControl{IDCANCEL, "Button", kOwnerDrawButton, 0, 424, 3, 8, 9, "_"},
};
constexpr DialogTemplate kMain{
    IDD_CALORIE_DIALOG, WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT, WS_EX_APPWINDOW, 445, 352, "", "굴림", 9,
    kMainControls};

// Food form ----------------------------------------------------------------------------------------
// Row N: the dish box IDC_DISHN and the portion box IDC_PORTIONN, the food catalogue's ids of row N.

constexpr DialogControl DishBox(int id, int x, int y)
{
    return {id, "ComboBox", kFoodBox, 0, x, y, 77, kFoodListDepth, ""};
}
constexpr DialogControl PortionBox(int id, int x, int y)
{
    return {id, "ComboBox", kFoodBox, 0, x, y, 29, kFoodListDepth, ""};
}

constexpr std::array kFoodControls{
    DialogControl{kStaticId, "Static", kChild | SS_BITMAP, 0, 0, 0, 255, 19, "#136"},
    DishBox(IDC_DISH1, 47, 24), PortionBox(IDC_PORTION1, 143, 24),
    DishBox(IDC_DISH2, 47, 46), PortionBox(IDC_PORTION2, 143, 46),
    DishBox(IDC_DISH3, 47, 68), PortionBox(IDC_PORTION3, 143, 68),
    DishBox(IDC_DISH4, 47, 89), PortionBox(IDC_PORTION4, 143, 89),
    DishBox(IDC_DISH5, 47, 111), PortionBox(IDC_PORTION5, 143, 111),
    DishBox(IDC_DISH6, 47, 132), PortionBox(IDC_PORTION6, 143, 132),
    DishBox(IDC_DISH7, 47, 153), PortionBox(IDC_PORTION7, 143, 153),
    DishBox(IDC_DISH8, 47, 175), PortionBox(IDC_PORTION8, 143, 176),
    DishBox(IDC_DISH9, 47, 196), PortionBox(IDC_PORTION9, 143, 196),
    DishBox(IDC_DISH10, 47, 217), PortionBox(IDC_PORTION10, 143, 218),
    DishBox(IDC_DISH11, 47, 238), PortionBox(IDC_PORTION11, 143, 238),
    DishBox(IDC_DISH12, 46, 260), PortionBox(IDC_PORTION12, 143, 260),
    DishBox(IDC_DISH13, 46, 281), PortionBox(IDC_PORTION13, 143, 281),
    DishBox(IDC_DISH14, 46, 301), PortionBox(IDC_PORTION14, 142, 302),
    DishBox(IDC_DISH15, 46, 323), PortionBox(IDC_PORTION15, 142, 323),
    DishBox(IDC_DISH16, 46, 343), PortionBox(IDC_PORTION16, 142, 343),
};

// The form with its boxes' entries, the initialisation data: each dish box holds its row's dish entries of
// the food catalogue, every portion box the catalogue's portion entries. Made once, on first use.
class FoodForm {
public:
    FoodForm() : m_controls(kFoodControls)
    {
        const CFoodCatalogue catalogue;
        for (const std::string& portion : catalogue.PortionEntries()) {
            m_portionEntries.emplace_back(portion);
        }
        for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
            const auto index = static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow);
            m_dishTexts[index] = catalogue.DishEntries(row);
            m_dishEntries[index].assign(m_dishTexts[index].begin(), m_dishTexts[index].end());
            for (DialogControl& control : m_controls) {
                if (control.id == catalogue.DishBoxId(row)) {
                    control.initItems = m_dishEntries[index];
                } else if (control.id == catalogue.PortionBoxId(row)) {
                    control.initItems = m_portionEntries;
                }
            }
        }
    }
    FoodForm(const FoodForm&) = delete;
    FoodForm& operator=(const FoodForm&) = delete;

    const DialogTemplate& Template() const { return m_form; }

private:
    std::array<std::vector<std::string>, CFoodCatalogue::kRowCount> m_dishTexts;
    std::array<std::vector<std::string_view>, CFoodCatalogue::kRowCount> m_dishEntries;
    std::vector<std::string_view> m_portionEntries;
    std::array<DialogControl, kFoodControls.size()> m_controls;
    const DialogTemplate m_form{IDD_FOOD_FORM, WS_CHILD | DS_SETFONT, 0, 255, 362, "", "굴림", 9, m_controls};
};

const DialogTemplate& FoodFormTemplate()
{
    static const FoodForm foodForm;
    return foodForm.Template();
}

// Banner host --------------------------------------------------------------------------------------

constexpr DialogTemplate kBannerHost{IDD_BANNER_HOST, WS_CHILD | DS_SETFONT, 0, 187, 94, "", "굴림", 9, {}};

// Exercise page ------------------------------------------------------------------------------------

constexpr std::array kExerciseControls{
    DialogControl{IDC_WEIGHT, "Edit", kNumberEdit, 0, 49, 4, 56, 12, ""},
    DialogControl{IDC_EXERCISE, "ComboBox", kChild | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 49, 25, 93,
                  130, ""},
    DialogControl{IDC_MINUTES, "Edit", kNumberEdit, 0, 191, 26, 56, 12, ""},
    DialogControl{IDC_OK, "Button", kOwnerDrawButton, 0, 228, 45, 19, 14, "OK"},
    DialogControl{IDC_LOG, "SysListView32", kChild | LVS_REPORT | LVS_NOSORTHEADER | WS_TABSTOP, WS_EX_STATICEDGE, 0,
                  64, 269, 85, "List1"},
    DialogControl{IDC_DELETE, "Button", kOwnerDrawButton, 0, 181, 152, 56, 14, "선택된 항목 삭제"},
};
constexpr DialogTemplate kExercise{IDD_EXERCISE, kPageStyle, 0, 269, 177, "", "굴림", 9, kExerciseControls};

// Recommended-calorie page -------------------------------------------------------------------------

constexpr std::array kRecommendControls{
    DialogControl{IDC_HEIGHT, "Edit", kNumberEdit, 0, 49, 4, 56, 12, ""},
    DialogControl{IDC_WEIGHT, "Edit", kNumberEdit, 0, 170, 4, 56, 12, ""},
    DialogControl{IDC_AGE, "Edit", kNumberEdit, 0, 49, 26, 56, 12, ""},
    DialogControl{IDC_MALE, "Button", kFirstRadio, 0, 170, 28, 25, 8, "남자"},
    DialogControl{IDC_FEMALE, "Button", kNextRadio, 0, 200, 28, 25, 8, "여자"},
    DialogControl{IDC_OK, "Button", kOwnerDrawButton, 0, 228, 45, 19, 14, "OK"},
};
constexpr DialogTemplate kRecommend{IDD_RECOMMEND, kPageStyle, 0, 269, 177, "", "굴림", 9, kRecommendControls};

// BMI page -----------------------------------------------------------------------------------------

constexpr std::array kBmiControls{
    DialogControl{IDC_HEIGHT, "Edit", kNumberEdit, 0, 49, 4, 56, 12, ""},
    DialogControl{IDC_WEIGHT, "Edit", kNumberEdit, 0, 170, 4, 56, 12, ""},
    DialogControl{IDC_MALE, "Button", kFirstRadio, 0, 49, 28, 25, 8, "남자"},
    DialogControl{IDC_FEMALE, "Button", kNextRadio, 0, 79, 28, 25, 8, "여자"},
    DialogControl{IDC_OK, "Button", kOwnerDrawButton, 0, 228, 45, 19, 14, "OK"},
};
constexpr DialogTemplate kBmi{IDD_BMI, kPageStyle, 0, 269, 177, "", "굴림", 9, kBmiControls};

// Waist-to-hip page --------------------------------------------------------------------------------
// The hip edit starts no group: the waist-unit group runs over it to IDC_HIP_INCH and counts the radios only.

constexpr std::array kWaistHipControls{
    DialogControl{IDC_WAIST, "Edit", kNumberEdit, 0, 49, 4, 56, 12, ""},
    DialogControl{IDC_WAIST_INCH, "Button", kFirstRadio, 0, 112, 6, 25, 8, "인치"},
    DialogControl{IDC_WAIST_CM, "Button", kNextRadio, 0, 142, 6, 25, 8, "cm"},
    DialogControl{IDC_HIP, "Edit", kNumberEdit, 0, 49, 26, 56, 12, ""},
    DialogControl{IDC_HIP_INCH, "Button", kFirstRadio, 0, 112, 28, 25, 8, "인치"},
    DialogControl{IDC_HIP_CM, "Button", kNextRadio, 0, 142, 28, 25, 8, "cm"},
    DialogControl{IDC_MALE, "Button", kFirstRadio, 0, 49, 51, 25, 8, "남자"},
    DialogControl{IDC_FEMALE, "Button", kNextRadio, 0, 79, 51, 25, 8, "여자"},
    DialogControl{IDC_OK, "Button", kOwnerDrawButton, 0, 228, 68, 19, 14, "OK"},
};
constexpr DialogTemplate kWaistHip{IDD_WAISTHIP, kPageStyle, 0, 269, 177, "", "굴림", 9, kWaistHipControls};

// Food total bar -----------------------------------------------------------------------------------

constexpr std::array kFoodTotalControls{
    DialogControl{IDC_RESET, "Button", kOwnerDrawButton, 0, 212, 6, 32, 13, "다시 하기"},
};
constexpr DialogTemplate kFoodTotal{IDD_FOOD_TOTAL, kPageStyle, 0, 269, 26, "", "굴림", 9, kFoodTotalControls};

// Dish finder ------------------------------------------------------------------------------------
// A name typed on the top band; the dishes that answer to it below, each with its category.

constexpr std::array kFoodFinderControls{
    DialogControl{IDC_FINDER_NAME, "Edit", kNumberEdit, 0, 49, 4, 142, 12, ""},
    DialogControl{IDC_FINDER_MATCHES, "SysListView32",
                  kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                  WS_EX_STATICEDGE, 0, 22, 200, 118, ""},
};
constexpr DialogTemplate kFoodFinder{IDD_FOOD_FINDER, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
                                     0, 200, 140, "음식 찾기", "굴림", 9, kFoodFinderControls};

} // namespace

// The program's dialog templates, looked up by id.
const DialogTemplate* FindDialogTemplate(int id)
{
    static const std::array<const DialogTemplate*, 10> templates{
        &kAbout,     &kMain, &FoodFormTemplate(), &kBannerHost, &kExercise, &kRecommend,
        &kBmi,       &kWaistHip, &kFoodTotal, &kFoodFinder,
    };
    for (const DialogTemplate* t : templates) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}
