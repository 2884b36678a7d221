#pragma once
// What must hold after every step of the monkey, read off the main window and its pages: one calculator
// chosen and that one alone shown; the food total bar holding the total of the page's rows, each row holding
// what its boxes say, and both painted as they hold; the exercise sum being the sum of the log's texts; the
// keyboard focus on a shown control; only the program's own prompts and links.

#include "platform/testing/DrawRecorder.h"
#include "platform/testing/Recorders.h"

#include <array>
#include <optional>
#include <string>

class CMonkeyCalorieDlg;

struct MonkeyBreach {
    std::string rule;   // which rule: the same rule broken again is the same failure
    std::string detail; // what was seen
};

class MonkeyInvariants {
public:
    // Records the paints from now on: make it before the window, so that its first paint is seen.
    MonkeyInvariants(CMonkeyCalorieDlg& dlg, const uitest::MessageBoxRecorder& prompts,
                     const uitest::ShellOpenRecorder& links);

    // The first rule broken now, if any.
    std::optional<MonkeyBreach> Check();

    // How far the run got: rows of the food page with a value, rows of the exercise log.
    int FoodRowsWithValue() const;
    int ExerciseRows() const;

private:
    std::optional<MonkeyBreach> CheckCalculator();
    std::optional<MonkeyBreach> CheckFoodValues();
    std::optional<MonkeyBreach> CheckFoodPaint();
    std::optional<MonkeyBreach> CheckExercise();
    std::optional<MonkeyBreach> CheckFocus();
    std::optional<MonkeyBreach> CheckPromptsAndLinks();
    // Takes the texts painted since the last check: the food page's last complete paint, the bar's sentence.
    void TakePaints();

    CMonkeyCalorieDlg& m_dlg;
    const uitest::MessageBoxRecorder& m_prompts;
    const uitest::ShellOpenRecorder& m_links;
    CDrawRecorder m_paints;
    std::optional<std::array<std::string, 16>> m_paintedRows; // each row's value text as last painted
    std::optional<std::string> m_paintedTotal;                 // the bar's sentence as last painted
    std::size_t m_promptsChecked = 0;
    std::size_t m_linksChecked = 0;
};
