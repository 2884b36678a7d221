#include "MonkeyEvent.h"

#include "food/FoodCatalogue.h"
#include "platform/core/Messages.h"
#include "res/Resource.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {

template <class T>
struct Weighted {
    int weight;
    T value;
};

struct KeyChoice {
    unsigned vk;
    bool shift, alt;
};

// Keys as a person hits them on these pages: confirming and cancelling, moving the focus, choosing in lists,
// editing, the system menu (Alt+Space), the close request (Alt+F4) and Alt+Down (drops a list). Digits and
// letters type themselves.
constexpr std::array<Weighted<KeyChoice>, 20> kKeys{{
    {8, {VK_RETURN, false, false}}, {6, {VK_ESCAPE, false, false}}, {8, {VK_TAB, false, false}},
    {4, {VK_TAB, true, false}},     {6, {VK_SPACE, false, false}},  {5, {VK_UP, false, false}},
    {7, {VK_DOWN, false, false}},   {3, {VK_LEFT, false, false}},   {3, {VK_RIGHT, false, false}},
    {2, {VK_HOME, false, false}},   {2, {VK_END, false, false}},    {2, {VK_PRIOR, false, false}},
    {2, {VK_NEXT, false, false}},   {4, {VK_BACK, false, false}},   {2, {VK_DELETE, false, false}},
    {5, {'0', false, false}},       {5, {'A', false, false}},       {2, {VK_SPACE, false, true}},
    {1, {VK_F4, false, true}},      {2, {VK_DOWN, false, true}},
}};

// Whole entries a person may type, good and bad, and the characters of made-up ones.
constexpr std::array<const char*, 18> kEntries{"170", "60.5", "-10", "30",  "0",       "1e3",    "nan",
                                               "inf", "1e999", "0x10", " 45 ", "12abc", "9999999999", "1e-999",
                                               ".5",  "+7",    "65",   "1,5"};
constexpr std::string_view kTypedCharacters = "0123456789.-e ";
// Texts that a Korean input method commits: syllables that start exercise names, words, full-width digits.
constexpr std::array<const char*, 10> kCommitted{"백칠십", "가", "걷", "달", "수", "자", "줄", "１７０", "한글", "육십"};

enum class Kind { Click, DoubleClick, RightClick, Drag, WindowDrag, Wheel, Key, Type, Commit };
constexpr std::array<Weighted<Kind>, 9> kKinds{{
    {380, Kind::Click}, {30, Kind::DoubleClick}, {20, Kind::RightClick}, {40, Kind::Drag}, {40, Kind::WindowDrag},
    {70, Kind::Wheel},  {300, Kind::Key},        {90, Kind::Type},        {30, Kind::Commit},
}};

template <class T, std::size_t N>
int TotalWeight(const std::array<Weighted<T>, N>& table)
{
    int total = 0;
    for (const auto& entry : table) {
        total += entry.weight;
    }
    return total;
}

template <class T, std::size_t N>
const T& Pick(const std::array<Weighted<T>, N>& table, int draw)
{
    for (const auto& entry : table) {
        if (draw < entry.weight) {
            return entry.value;
        }
        draw -= entry.weight;
    }
    return table.back().value;
}

std::string KeyName(unsigned vk)
{
    switch (vk) {
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Escape";
    case VK_TAB:
        return "Tab";
    case VK_SPACE:
        return "Space";
    case VK_UP:
        return "Up";
    case VK_DOWN:
        return "Down";
    case VK_LEFT:
        return "Left";
    case VK_RIGHT:
        return "Right";
    case VK_HOME:
        return "Home";
    case VK_END:
        return "End";
    case VK_PRIOR:
        return "PageUp";
    case VK_NEXT:
        return "PageDown";
    case VK_BACK:
        return "Backspace";
    case VK_DELETE:
        return "Delete";
    case VK_F4:
        return "F4";
    default:
        return std::string(1, static_cast<char>(vk));
    }
}

constexpr std::array<const char*, kPartCount> kPartNames{"main window", "food",      "exercise",  "recommend",
                                                         "bmi",         "waist-hip", "total bar", "banner"};

std::string ControlName(int part, int id)
{
    if (id == 0) {
        return "";
    }
    if (part == kPartFood) {
        const CFoodCatalogue catalogue;
        for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
            if (catalogue.DishBoxId(row) == id) {
                return "dish " + std::to_string(row);
            }
            if (catalogue.PortionBoxId(row) == id) {
                return "portion " + std::to_string(row);
            }
        }
        return "";
    }
    switch (id) {
    case IDOK:
        return part == kPartMain ? "close" : "";
    case IDCANCEL:
        return part == kPartMain ? "minimise" : "";
    case IDC_DIARY:
        return "Diary tab";
    case IDC_BODY:
        return "Body tab";
    case IDC_RELAY:
        return "Relay tab";
    case IDC_MALL:
        return "Mall tab";
    case IDC_MENU_FOOD:
        return "음식칼로리";
    case IDC_MENU_EXERCISE:
        return "운동칼로리";
    case IDC_MENU_RECOMMEND:
        return "권장칼로리";
    case IDC_MENU_BMI:
        return "비만도";
    case IDC_MENU_WAISTHIP:
        return "복부비만";
    case IDC_WEIGHT:
        return "weight";
    case IDC_MINUTES:
        return "minutes";
    case IDC_EXERCISE:
        return "exercise list";
    case IDC_OK:
        return "OK";
    case IDC_LOG:
        return "log";
    case IDC_DELETE: // IDC_MALE elsewhere
        return part == kPartExercise ? "delete" : "남자";
    case IDC_FEMALE:
        return "여자";
    case IDC_HEIGHT:
        return "height";
    case IDC_AGE: // IDC_WAIST_INCH on the waist-to-hip page
        return part == kPartWaistHip ? "waist 인치" : "age";
    case IDC_WAIST_CM:
        return "waist cm";
    case IDC_HIP:
        return "hip";
    case IDC_WAIST:
        return "waist";
    case IDC_HIP_INCH:
        return "hip 인치";
    case IDC_HIP_CM:
        return "hip cm";
    case IDC_RESET:
        return "다시 하기";
    default:
        return "";
    }
}

std::string DescribeSpot(const MonkeySpot& spot)
{
    char at[48];
    std::snprintf(at, sizeof at, " at (%.2f, %.2f)", spot.fx, spot.fy);
    switch (spot.area) {
    case MonkeyArea::Skin:
        return std::string("the skin") + at;
    case MonkeyArea::Popup:
        return std::string("the open popup") + at;
    case MonkeyArea::Control:
        break;
    }
    std::string name = kPartNames.at(static_cast<std::size_t>(spot.part));
    if (spot.id != 0) {
        const std::string control = ControlName(spot.part, spot.id);
        name += " " + std::to_string(spot.id) + (control.empty() ? "" : " (" + control + ")");
    }
    return name + at;
}

} // namespace

const char* AnswerName(MonkeyAnswer answer)
{
    switch (answer) {
    case MonkeyAnswer::Enter:
        return "Enter";
    case MonkeyAnswer::Escape:
        return "Escape";
    case MonkeyAnswer::Space:
        return "Space";
    case MonkeyAnswer::ClickOk:
        return "a click on 확인";
    case MonkeyAnswer::AltF4:
        return "Alt+F4";
    }
    return "";
}

int MonkeyChooser::Below(int n) { return n <= 1 ? 0 : static_cast<int>(m_random() % static_cast<unsigned>(n)); }

double MonkeyChooser::Fraction() { return static_cast<double>(m_random()) / 4294967296.0; }

MonkeySpot MonkeyChooser::SpotIn(const MonkeyScene& scene)
{
    MonkeySpot spot;
    // Away from the very edges, where a point may belong to the neighbour.
    spot.fx = 0.02 + 0.96 * Fraction();
    spot.fy = 0.02 + 0.96 * Fraction();
    const int draw = Below(100);
    if (scene.popupOpen && draw < 60) {
        spot.area = MonkeyArea::Popup;
    } else if (!scene.targets.empty() && draw < 85) {
        const MonkeyTarget& target = scene.targets[static_cast<std::size_t>(Below(static_cast<int>(scene.targets.size())))];
        spot.area = MonkeyArea::Control;
        spot.part = target.part;
        spot.id = target.id;
    }
    return spot;
}

MonkeyEvent MonkeyChooser::KeyEvent()
{
    MonkeyEvent event;
    event.action = MonkeyAction::Key;
    KeyChoice key = Pick(kKeys, Below(TotalWeight(kKeys)));
    if (key.vk == '0') {
        key.vk = '0' + static_cast<unsigned>(Below(10));
    } else if (key.vk == 'A') {
        key.vk = 'A' + static_cast<unsigned>(Below(26));
    }
    event.vk = key.vk;
    event.shift = key.shift;
    event.alt = key.alt;
    return event;
}

std::string MonkeyChooser::TypedText()
{
    if (Below(2) == 0) {
        return kEntries[static_cast<std::size_t>(Below(static_cast<int>(kEntries.size())))];
    }
    std::string text;
    for (int n = 1 + Below(5); n > 0; --n) {
        text += kTypedCharacters[static_cast<std::size_t>(Below(static_cast<int>(kTypedCharacters.size())))];
    }
    return text;
}

MonkeyEvent MonkeyChooser::Next(const MonkeyScene& scene)
{
    MonkeyEvent event;
    switch (Pick(kKinds, Below(TotalWeight(kKinds)))) {
    case Kind::Click:
        event.action = MonkeyAction::Click;
        event.spot = SpotIn(scene);
        break;
    case Kind::DoubleClick:
        event.action = MonkeyAction::DoubleClick;
        event.spot = SpotIn(scene);
        break;
    case Kind::RightClick:
        event.action = MonkeyAction::RightClick;
        event.spot = SpotIn(scene);
        break;
    case Kind::Drag:
        event.action = MonkeyAction::Drag;
        event.spot = SpotIn(scene);
        event.dx = Below(401) - 200;
        event.dy = Below(401) - 200;
        break;
    case Kind::WindowDrag: {
        // From a point of the skin to where the window lands somewhere on the screen, as a person drags it.
        event.action = MonkeyAction::Drag;
        event.spot.fx = Fraction();
        event.spot.fy = Fraction();
        event.dx = Below(std::max(1, scene.screenWidth - scene.clientWidth)) - scene.windowX;
        event.dy = Below(std::max(1, scene.screenHeight - scene.clientHeight)) - scene.windowY;
        break;
    }
    case Kind::Wheel:
        event.action = MonkeyAction::Wheel;
        event.spot = SpotIn(scene);
        event.notches = Below(2) == 0 ? -1 - Below(3) : 1 + Below(3);
        break;
    case Kind::Key:
        event = KeyEvent();
        break;
    case Kind::Type:
        event.action = MonkeyAction::Type;
        event.overtype = Below(3) == 0;
        event.text = TypedText();
        break;
    case Kind::Commit:
        event.action = MonkeyAction::Commit;
        event.text = kCommitted[static_cast<std::size_t>(Below(static_cast<int>(kCommitted.size())))];
        break;
    }
    event.answer = static_cast<MonkeyAnswer>(Below(5));
    return event;
}

std::string Describe(const MonkeyEvent& event)
{
    std::string text;
    switch (event.action) {
    case MonkeyAction::Click:
        text = "click " + DescribeSpot(event.spot);
        break;
    case MonkeyAction::DoubleClick:
        text = "double-click " + DescribeSpot(event.spot);
        break;
    case MonkeyAction::RightClick:
        text = "right-click " + DescribeSpot(event.spot);
        break;
    case MonkeyAction::Drag:
        text = "drag from " + DescribeSpot(event.spot) + " by (" + std::to_string(event.dx) + ", " +
               std::to_string(event.dy) + ")";
        break;
    case MonkeyAction::Wheel:
        text = "wheel " + std::to_string(event.notches) + " over " + DescribeSpot(event.spot);
        break;
    case MonkeyAction::Key:
        text = std::string("key ") + (event.shift ? "Shift+" : "") + (event.alt ? "Alt+" : "") + KeyName(event.vk);
        break;
    case MonkeyAction::Type:
        text = std::string(event.overtype ? "select all and type \"" : "type \"") + event.text + "\"";
        break;
    case MonkeyAction::Commit:
        text = "input method commits \"" + event.text + "\"";
        break;
    }
    return text;
}
