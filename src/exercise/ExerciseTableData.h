#pragma once
// The exercise table's constant data, shared by BuildExerciseTable and nothing else.

#include <array>
#include <string_view>

#include "exercise/ExerciseTable.h"

inline constexpr int kExerciseCount = 85;

struct ExerciseRow {
    std::string_view name; // UTF-8
    std::array<double, kWeightColumnCount> kcalPerMinute;
};

// In table order: the order of creation and of the name search.
extern const std::array<ExerciseRow, kExerciseCount> kExerciseRows;
