#pragma once
// The exercise energy table: 85 exercises, each with the kilocalories that one minute burns for
// each of 18 body-weight columns; the weight column rule and the name search.

#include <functional>
#include <memory>
#include <span>
#include <string_view>

inline constexpr int kWeightColumnCount = 18;

// One exercise. Zero-filled before use, so `name` is always NUL-terminated.
struct ExerciseRecord {
    char name[128];                             // UTF-8
    double kcalPerMinute[kWeightColumnCount];   // columns 0 to 17; the lookup selects 0 to 16 only
};

// Creates the 85 records in table order, handing each to `receive`, which takes ownership, before
// the next one is created.
void BuildExerciseTable(const std::function<void(std::unique_ptr<ExerciseRecord>)>& receive);

// The first record in `records` whose name equals `text` byte for byte, ASCII letters A to Z
// compared without case (Hangul bytes exactly); nullptr when none does. Names match whole:
// "걷기" does not find "걷기(4km/h)". A null entry in `records` is skipped.
const ExerciseRecord* FindExercise(std::span<const std::unique_ptr<ExerciseRecord>> records,
                                   std::string_view text);

// The same search over records handed out one at a time in table order, for containers that are not
// contiguous: `next` answers the next record, or nullptr after the last.
const ExerciseRecord* FindExercise(const std::function<const ExerciseRecord*()>& next, std::string_view text);

// The weight column, 0 to 16, of a body weight in kilograms: weights below 48.5 give column 0,
// each further 3 kg one column more, 93.5 and above column 16. A not-a-number weight compares
// false with every limit and so gives column 0, as a weight below 48.5 does.
int WeightColumn(double weightKg);

// The energy of `minutes` of the exercise at the given weight: minutes × the per-minute value of
// the weight's column, in double.
double ExerciseKcal(const ExerciseRecord& record, double weightKg, int minutes);
