#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "exercise/ExerciseTable.h"

namespace {

using Records = std::vector<std::unique_ptr<ExerciseRecord>>;

Records Build()
{
    Records records;
    BuildExerciseTable([&records](std::unique_ptr<ExerciseRecord> record) {
        records.push_back(std::move(record));
    });
    return records;
}

const ExerciseRecord& Find(const Records& records, const char* name)
{
    const ExerciseRecord* record = FindExercise(records, name);
    EXPECT_NE(record, nullptr) << name;
    static const ExerciseRecord kNone{};
    return record ? *record : kNone;
}

// Bytes the name takes in the Korean code page: one per ASCII character, two per Hangul syllable
// (three UTF-8 bytes each; the names hold nothing else).
std::size_t Cp949Length(std::string_view name)
{
    const auto ascii = static_cast<std::size_t>(
        std::count_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    return ascii + (name.size() - ascii) / 3 * 2;
}

TEST(ExerciseTable, BuildsEightyFiveZeroFilledRecordsInTableOrder)
{
    int received = 0;
    Records records;
    BuildExerciseTable([&](std::unique_ptr<ExerciseRecord> record) {
        ASSERT_NE(record, nullptr);
        ++received;
        // Complete when handed over: name set, NUL-padded to the end, every value set.
        const std::size_t length = std::strlen(record->name);
        EXPECT_GT(length, 0u);
        EXPECT_TRUE(std::all_of(record->name + length, record->name + sizeof(record->name),
                                [](char c) { return c == '\0'; }));
        EXPECT_TRUE(std::all_of(std::begin(record->kcalPerMinute), std::end(record->kcalPerMinute),
                                [](double v) { return v > 0.0; }));
        records.push_back(std::move(record));
    });
    ASSERT_EQ(received, 85);
    EXPECT_STREQ(records.front()->name, "에어로빅(저강도)");
    EXPECT_STREQ(records[57]->name, "스쿠버 다이빙");
    EXPECT_STREQ(records[69]->name, "물속에서 걷기(빠른속도)");
    EXPECT_STREQ(records.back()->name, "글씨쓰기");

    std::set<std::string> names;
    for (const auto& record : records)
        names.insert(record->name);
    EXPECT_EQ(names.size(), 85u);
}

TEST(ExerciseTable, ValuesSumToTheTableFigures)
{
    const Records records = Build();
    double all = 0.0;
    double column16 = 0.0;
    int count = 0;
    for (const auto& record : records) {
        for (double value : record->kcalPerMinute) {
            all += value;
            ++count;
        }
        column16 += record->kcalPerMinute[16];
    }
    EXPECT_EQ(count, 1530);
    EXPECT_NEAR(all, 11806.0, 1e-6);
    EXPECT_NEAR(column16, 855.2, 1e-9);
}

TEST(ExerciseTable, LongestNameFitsItsBuffer)
{
    const Records records = Build();
    const auto longest = std::max_element(records.begin(), records.end(), [](const auto& a, const auto& b) {
        return std::strlen(a->name) < std::strlen(b->name);
    });
    EXPECT_STREQ((*longest)->name, "물속에서 걷기(빠른속도)");
    EXPECT_EQ(std::strlen((*longest)->name), 33u);
    EXPECT_EQ(Cp949Length((*longest)->name), 23u);
    EXPECT_LT(std::strlen((*longest)->name), sizeof(ExerciseRecord::name));
}

TEST(ExerciseTable, NamesSortInKoreanOrderByTheirBytes)
{
    const Records records = Build();
    std::vector<std::string> names;
    for (const auto& record : records)
        names.emplace_back(record->name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names.front(), "가만히 서있기");
    EXPECT_EQ(names[1], "가만히 앉아있기");
    EXPECT_EQ(names.back(), "핸드볼");
}

TEST(WeightColumn, LimitsBelongToTheHigherColumn)
{
    struct Case {
        double weight;
        int column;
    };
    const Case cases[] = {
        {48.4, 0},  {48.5, 1},  {51.4, 1},   {51.5, 2},  {60.0, 4},  {60.5, 5}, {93.4, 15},
        {93.5, 16}, {150.0, 16}, {0.0, 0},   {-5.0, 0},  {-0.0, 0},  {DBL_MIN, 0},
        {1e308, 16}, {DBL_MAX, 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeightColumn(c.weight), c.column) << c.weight;
    // Every range limit 48.5 + 3k starts column k + 1; a little below it is still column k.
    for (int k = 0; k < 16; ++k) {
        const double limit = 48.5 + 3.0 * k;
        EXPECT_EQ(WeightColumn(limit), k + 1) << limit;
        EXPECT_EQ(WeightColumn(limit - 0.01), k) << limit;
    }
}

TEST(WeightColumn, NonFiniteWeightsGiveAValidColumn)
{
    EXPECT_EQ(WeightColumn(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(WeightColumn(-std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(WeightColumn(std::numeric_limits<double>::infinity()), 16);
    EXPECT_EQ(WeightColumn(-std::numeric_limits<double>::infinity()), 0);
}

TEST(ExerciseKcal, MinutesTimesTheWeightColumnsValue)
{
    const Records records = Build();
    struct Case {
        const char* name;
        double weight;
        int minutes;
        double kcal;
    };
    const Case cases[] = {
        {"걷기(4km/h)", 60.0, 30, 114.0},     // column 4, 3.8
        {"달리기(16km/h)", 40.0, 10, 118.0},  // column 0, 11.8
        {"권투(시합)", 100.0, 60, 1266.0},    // column 16, 21.1; the 18th value 21.8 is never used
        {"권투(시합)", 1e9, 1, 21.1},
        {"글씨쓰기", 48.5, -10, -15.0},       // column 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(ExerciseKcal(Find(records, c.name), c.weight, c.minutes), c.kcal, 1e-9);
    }
}

TEST(ExerciseKcal, ZeroMinutesGiveZeroAndNoMinutesOverflow)
{
    const Records records = Build();
    for (const auto& record : records) {
        for (double weight : {0.0, 48.5, 75.0, 200.0})
            EXPECT_EQ(ExerciseKcal(*record, weight, 0), 0.0) << record->name;
    }
    const ExerciseRecord& last = *records.back();
    EXPECT_DOUBLE_EQ(ExerciseKcal(last, 50.0, INT_MAX), INT_MAX * 1.5);
    EXPECT_DOUBLE_EQ(ExerciseKcal(last, 50.0, INT_MIN), INT_MIN * 1.5);
}

TEST(FindExercise, WholeNamesWithLatinLettersInAnyCase)
{
    const Records records = Build();
    const ExerciseRecord* walking = FindExercise(records, "걷기(4km/h)");
    ASSERT_NE(walking, nullptr);
    EXPECT_STREQ(walking->name, "걷기(4km/h)");
    EXPECT_EQ(walking->kcalPerMinute[4], 3.8);
    for (const char* text : {"걷기(4KM/H)", "걷기(4Km/h)", "걷기(4kM/H)"})
        EXPECT_EQ(FindExercise(records, text), walking) << text;

    const char* misses[] = {"걷기", "", "걷기(4km/h) ", " 걷기(4km/h)", "걷기(4km/h)(4km/h)",
                            "걷기(4km/hx)", "걷다(4km/h)", "걷기(4㎞/h)"};
    for (const char* text : misses)
        EXPECT_EQ(FindExercise(records, text), nullptr) << text;
    // The text counts whole, NUL bytes included.
    EXPECT_EQ(FindExercise(records, std::string_view("걷기(4km/h)\0x", 15)), nullptr);
    EXPECT_EQ(FindExercise(records, std::string(1000, 'A')), nullptr);
}

TEST(FindExercise, EveryNameFindsItsOwnRecordInAnyCase)
{
    const Records records = Build();
    for (const auto& record : records) {
        std::string upper = record->name;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        EXPECT_EQ(FindExercise(records, record->name), record.get()) << record->name;
        EXPECT_EQ(FindExercise(records, upper), record.get()) << upper;
    }
}

TEST(FindExercise, FirstMatchInTableOrderAndEmptySlotsSkipped)
{
    Records records;
    records.push_back(nullptr);
    for (const char* name : {"Golf", "GOLF", "golf"}) {
        auto record = std::make_unique<ExerciseRecord>();
        std::strcpy(record->name, name);
        records.push_back(std::move(record));
    }
    EXPECT_EQ(FindExercise(records, "gOlF"), records[1].get());
    EXPECT_EQ(FindExercise(Records{}, "golf"), nullptr);
}

// The form for lists that hand out one record at a time, as the exercise page's list does.
TEST(FindExercise, RecordsHandedOutOneByOneStopAtTheFirstMatchOrTheEnd)
{
    const Records records = Build();
    std::size_t handedOut = 0;
    const auto next = [&]() -> const ExerciseRecord* {
        return handedOut < records.size() ? records[handedOut++].get() : nullptr;
    };
    EXPECT_EQ(FindExercise(next, "수영(배영)"), records[66].get());
    EXPECT_EQ(handedOut, 67u) << "no record is asked for after the match";

    handedOut = 0;
    EXPECT_EQ(FindExercise(next, "수영"), nullptr);
    EXPECT_EQ(handedOut, records.size());
    EXPECT_EQ(FindExercise([] { return static_cast<const ExerciseRecord*>(nullptr); }, ""), nullptr);
}

} // namespace
