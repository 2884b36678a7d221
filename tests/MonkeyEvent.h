#pragma once
// One step of the monkey: what a person does to the main window with the pointer or the keyboard. A pointer
// step is aimed at what is there (a control of a page, the open popup, the skin) rather than at a pixel, so
// that a replay in a fresh window, where things may stand elsewhere, aims at the same thing. Window-free:
// the runner (MonkeyRun.h) says what the window shows and carries the steps out.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

enum class MonkeyAction { Click, DoubleClick, RightClick, Drag, Wheel, Key, Type, Commit };

// Where a pointer step lands: a shown control (or a shown page itself, id 0) of one of the main window's
// parts, the open popup (a dropped list, a menu), or the main window's own client area (the skin).
enum class MonkeyArea { Skin, Control, Popup };

// The parts of the main window whose controls are aimed at, by index.
enum MonkeyPart : int { kPartMain, kPartFood, kPartExercise, kPartRecommend, kPartBmi, kPartWaistHip, kPartTotalBar,
                        kPartBanner, kPartCount };

struct MonkeySpot {
    MonkeyArea area = MonkeyArea::Skin;
    int part = kPartMain; // for a control
    int id = 0;           // the control's id within its part; 0 the part itself
    double fx = 0.5;      // where inside the area, as fractions of its width and height
    double fy = 0.5;
};

// How a person answers a modal window (the about box) that comes up during the step.
enum class MonkeyAnswer { Enter, Escape, Space, ClickOk, AltF4 };

struct MonkeyEvent {
    MonkeyAction action = MonkeyAction::Click;
    MonkeySpot spot;         // pointer steps
    int dx = 0, dy = 0;      // a drag's way from the press, in pixels
    int notches = 0;         // wheel turns, positive away from the user
    unsigned vk = 0;         // Key: the key, with Shift / Alt held
    bool shift = false, alt = false;
    std::string text;        // Type: characters as keys; Commit: text an input method commits
    bool overtype = false;   // Type: the focused entry's text is selected first (Ctrl+A), as a person retypes
    MonkeyAnswer answer = MonkeyAnswer::Enter;
};

// A shown control of the main window, in the main window's client coordinates (the part shown of it).
struct MonkeyTarget {
    int part = kPartMain;
    int id = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

// What the window shows when the next step is chosen.
struct MonkeyScene {
    int clientWidth = 0, clientHeight = 0;
    std::vector<MonkeyTarget> targets;
    bool popupOpen = false;
    int windowX = 0, windowY = 0; // the main window's place on the screen
    int screenWidth = 0, screenHeight = 0;
};

// The steps of one seed: the same seed gives the same steps for the same scenes.
class MonkeyChooser {
public:
    explicit MonkeyChooser(std::uint32_t seed) : m_random(seed) {}
    MonkeyEvent Next(const MonkeyScene& scene);

private:
    int Below(int n);          // 0 … n − 1
    double Fraction();         // [0, 1)
    MonkeySpot SpotIn(const MonkeyScene& scene);
    MonkeyEvent KeyEvent();
    std::string TypedText();

    std::mt19937 m_random;
};

// The step as a person would read it, e.g. "click exercise 1022 (OK) at (0.40, 0.55)".
std::string Describe(const MonkeyEvent& event);
// The answer as a person would read it, e.g. "Escape".
const char* AnswerName(MonkeyAnswer answer);
