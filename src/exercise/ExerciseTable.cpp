#include "exercise/ExerciseTable.h"

#include <algorithm>
#include <cstring>

#include "exercise/ExerciseTableData.h"

namespace {

constexpr char FoldAsciiLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view name, std::string_view text)
{
    return std::equal(name.begin(), name.end(), text.begin(), text.end(),
                      [](char a, char b) { return FoldAsciiLetter(a) == FoldAsciiLetter(b); });
}

} // namespace

void BuildExerciseTable(const std::function<void(std::unique_ptr<ExerciseRecord>)>& receive)
{
    for (const ExerciseRow& row : kExerciseRows) {
        auto record = std::make_unique<ExerciseRecord>(); // value-initialised: zero-filled
        std::memcpy(record->name, row.name.data(), row.name.size()); // fits: checked with the data
        std::copy(row.kcalPerMinute.begin(), row.kcalPerMinute.end(), record->kcalPerMinute);
        receive(std::move(record));
    }
}

const ExerciseRecord* FindExercise(std::span<const std::unique_ptr<ExerciseRecord>> records,
                                   std::string_view text)
{
    auto it = records.begin();
    return FindExercise(
        [&]() -> const ExerciseRecord* {
            while (it != records.end() && !*it)
                ++it;
            return it != records.end() ? (it++)->get() : nullptr;
        },
        text);
}

const ExerciseRecord* FindExercise(const std::function<const ExerciseRecord*()>& next, std::string_view text)
{
    while (const ExerciseRecord* record = next()) {
        if (NamesEqual(record->name, text))
            return record;
    }
    return nullptr;
}

int WeightColumn(double weightKg)
{
    // x = 2 × weight + 6 never lies below 97, so column 0 is the scan's last step.
    const double x = weightKg >= 48.5 ? 2.0 * weightKg + 6.0 : 97.0;
    for (int column = 16; column > 0; --column) {
        if (x >= 97.0 + 6.0 * column)
            return column;
    }
    return 0;
}

double ExerciseKcal(const ExerciseRecord& record, double weightKg, int minutes)
{
    return static_cast<double>(minutes) * record.kcalPerMinute[WeightColumn(weightKg)];
}
