// Speed of the window-free logic on its hot paths: building the exercise table when the exercise
// page opens, the name search on every calculation, and a food tally pass on selection changes.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "exercise/ExerciseTable.h"
#include "food/FoodTally.h"

namespace {

std::vector<std::unique_ptr<ExerciseRecord>> BuildRecords()
{
    std::vector<std::unique_ptr<ExerciseRecord>> records;
    BuildExerciseTable([&records](std::unique_ptr<ExerciseRecord> record) {
        records.push_back(std::move(record));
    });
    return records;
}

void BM_BuildExerciseTable(benchmark::State& state)
{
    for (auto _ : state) {
        auto records = BuildRecords();
        benchmark::DoNotOptimize(records.data());
    }
}
BENCHMARK(BM_BuildExerciseTable);

void BM_FindLastExercise(benchmark::State& state)
{
    const auto records = BuildRecords();
    for (auto _ : state) {
        const ExerciseRecord* found = FindExercise(records, "글씨쓰기");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindLastExercise);

void BM_ExerciseKcal(benchmark::State& state)
{
    const auto records = BuildRecords();
    double weight = 40.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExerciseKcal(*records.front(), weight, 30));
        weight = weight < 100.0 ? weight + 0.5 : 40.0;
    }
}
BENCHMARK(BM_ExerciseKcal);

// Every row picks its last dish at portion "3", then the total and its sentence are formed.
void BM_FoodTallyPass(benchmark::State& state)
{
    const CFoodCatalogue catalogue;
    CFoodTally tally;
    for (auto _ : state) {
        for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row)
            tally.Select(row, catalogue.DishCount(row), CFoodCatalogue::kPortionCount - 1);
        benchmark::DoNotOptimize(FormatTotalKcal(tally.Total()));
    }
}
BENCHMARK(BM_FoodTallyPass);

} // namespace
