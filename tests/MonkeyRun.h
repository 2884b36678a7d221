#pragma once
// Runs the monkey on the real main window, run modally as the program runs it: a step, the events it
// causes, a modal window that comes up answered by a person's hand, a minimised window restored from the
// task bar, then every rule of MonkeyInvariants.h, the event loop's answer and the run still going. Only
// the close button ends a run: a step that presses it starts a fresh window for the steps after it. The
// steps are chosen from a seed, or replayed from a list (in a fresh window, as when shrinking a failure).

#include "MonkeyEvent.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct MonkeyFailure {
    std::size_t step = 0; // index of the step after which the rule was broken
    std::string rule;
    std::string detail;
};

// What a run did, for the report and to see that the monkey reached everything.
struct MonkeyStats {
    int windows = 0;          // main windows run (a fresh one after each close)
    int minimised = 0;        // steps that minimised the window
    int activationsReturned = 0; // steps after which a closed popup still held the activation (offscreen)
    int modalWindows = 0;     // modal windows answered (the about box)
    int menusClosed = 0;      // menus with a loop of their own closed during their step
    int prompts = 0;          // prompts of entries that do not parse
    int links = 0;            // links opened
    std::array<int, 5> pageShows{}; // steps after which each calculator was the one shown, in menu order
    int mostFoodRows = 0;     // most food rows holding a value at once
    int mostExerciseRows = 0; // most rows in the exercise log at once
};

struct MonkeyOutcome {
    std::vector<MonkeyEvent> events;     // the steps taken
    std::vector<std::size_t> modalSteps; // steps during which a modal window came up
    std::optional<MonkeyFailure> failure;
    MonkeyStats stats;
};

// `count` steps chosen from `seed`; stops at the first failure.
MonkeyOutcome RunMonkey(std::uint32_t seed, std::size_t count);
// The steps again, from a fresh window; stops at the first failure.
MonkeyOutcome ReplayMonkey(const std::vector<MonkeyEvent>& events);
