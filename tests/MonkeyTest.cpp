// The monkey over the whole main window: for each of five fixed seeds, 20 000 random steps of pointer and
// keyboard (clicks, drags and wheel turns on every page and control and on the skin, keys, typed and
// composed Korean text, the system menu and its about box), after each of which every rule of
// MonkeyInvariants.h holds, the event loop answers and the run goes on. A seed that breaks a rule is
// replayed in fresh windows and shrunk to a short list of steps that still breaks it, which is printed.
// VINTORA_MONKEY_STEPS sets another number of steps (a longer run on demand).

#include "MonkeyRun.h"
#include "Shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr std::size_t kSteps = 20000;
// The steps that shrinking may replay in all: a few minutes in a debug build.
constexpr std::size_t kShrinkBudget = 300000;

std::size_t StepCount()
{
    const char* steps = std::getenv("VINTORA_MONKEY_STEPS");
    return steps ? std::strtoul(steps, nullptr, 10) : kSteps;
}

std::string Steps(const MonkeyOutcome& outcome, std::size_t first)
{
    std::ostringstream text;
    for (std::size_t i = first; i < outcome.events.size(); ++i) {
        text << "  " << i + 1 << ". " << Describe(outcome.events[i]);
        if (std::find(outcome.modalSteps.begin(), outcome.modalSteps.end(), i) != outcome.modalSteps.end()) {
            text << " (a modal window came up and got " << AnswerName(outcome.events[i].answer) << ")";
        }
        text << '\n';
    }
    return text.str();
}

std::string Broken(const MonkeyFailure& failure) { return "the rule \"" + failure.rule + "\": " + failure.detail; }

// The failing run's steps up to its failure, shrunk to a short list that breaks the same rule in a fresh
// window, as a report.
std::string ShrunkReport(const MonkeyOutcome& outcome)
{
    const MonkeyFailure& failure = *outcome.failure;
    const std::vector<MonkeyEvent> prefix(outcome.events.begin(),
                                          outcome.events.begin() + static_cast<std::ptrdiff_t>(failure.step + 1));
    const auto breaksTheRule = [&failure](const std::vector<MonkeyEvent>& steps) {
        const MonkeyOutcome replay = ReplayMonkey(steps);
        return replay.failure && replay.failure->rule == failure.rule;
    };
    std::ostringstream report;
    if (prefix.empty() || !breaksTheRule(prefix)) {
        // Not reproducible in a fresh window: a run that depends on timing. The last steps may tell why.
        report << "The steps did not break the rule again in a fresh window; the last steps were:\n"
               << Steps(outcome, prefix.size() > 30 ? prefix.size() - 30 : 0);
        return report.str();
    }
    const ShrinkResult<MonkeyEvent> shrunk = ShrinkFailingList<MonkeyEvent>(prefix, breaksTheRule, kShrinkBudget);
    const MonkeyOutcome replay = ReplayMonkey(shrunk.items);
    report << "Shrunk to " << shrunk.items.size() << " steps in " << shrunk.tries << " replays of "
           << shrunk.itemsTried << " steps"
           << (shrunk.budgetSpent ? " (the budget ran out: it may shrink further)" : "") << ":\n"
           << Steps(replay, 0);
    if (replay.failure) {
        report << "  → " << Broken(*replay.failure) << '\n';
    }
    return report.str();
}

class Monkey : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Monkey, NothingAPersonDoesBreaksTheRules)
{
    const std::size_t count = StepCount();
    const auto started = std::chrono::steady_clock::now();
    const MonkeyOutcome outcome = RunMonkey(GetParam(), count);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const MonkeyStats& s = outcome.stats;
    std::printf("seed %u: %zu steps in %.1f s; %d windows, %d minimised, %d activations returned from closed "
                "popups, %d modal, %d menus closed, %d prompts, %d links; pages shown after %d/%d/%d/%d/%d steps; up to %d food rows "
                "and %d exercise rows\n",
                GetParam(), outcome.events.size(), seconds, s.windows, s.minimised, s.activationsReturned,
                s.modalWindows, s.menusClosed, s.prompts, s.links,
                s.pageShows[0], s.pageShows[1], s.pageShows[2], s.pageShows[3], s.pageShows[4], s.mostFoodRows,
                s.mostExerciseRows);
    if (outcome.failure) {
        FAIL() << "Seed " << GetParam() << " broke " << Broken(*outcome.failure) << "\nafter step "
               << outcome.failure->step + 1 << " of " << outcome.events.size() << ". " << ShrunkReport(outcome);
    }
    EXPECT_EQ(outcome.events.size(), count);
    if (count >= kSteps) {
        // The monkey reached what it is meant to exercise: every calculator, the prompts, the food rows, the
        // exercise log and the about box.
        for (int shows : s.pageShows) {
            EXPECT_GT(shows, 0);
        }
        EXPECT_GT(s.prompts, 0);
        EXPECT_GT(s.mostFoodRows, 0);
        EXPECT_GT(s.mostExerciseRows, 0);
        EXPECT_GT(s.modalWindows, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, Monkey, ::testing::Values(1u, 2u, 3u, 4u, 5u),
                         [](const ::testing::TestParamInfo<std::uint32_t>& info) {
                             return "Seed" + std::to_string(info.param);
                         });

} // namespace
