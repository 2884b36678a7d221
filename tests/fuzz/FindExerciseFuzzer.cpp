// Fuzzes the exercise lookup: whatever the text (cut inside a Hangul syllable, any bytes, any case) and
// whatever the records (the built-in table with a record named from the input put in anywhere, and
// empty places between them), FindExercise answers the first record whose name equals the text with A to
// Z taken without case, or none, the same through both of its forms.

#include "FuzzCheck.h"
#include "exercise/ExerciseTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::Check;

std::string LowerAsciiLetters(std::string_view s)
{
    std::string lowered(s);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; });
    return lowered;
}

// The built-in records, lent to each input's list and given back after it.
std::vector<std::unique_ptr<ExerciseRecord>>& BuiltInTable()
{
    static auto* table = new std::vector<std::unique_ptr<ExerciseRecord>>;
    if (table->empty()) {
        BuildExerciseTable([](std::unique_ptr<ExerciseRecord> r) { table->push_back(std::move(r)); });
    }
    return *table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<std::unique_ptr<ExerciseRecord>>& table = BuiltInTable();

    // The built-in records, an empty place before every `gap`-th one, and one record whose name comes
    // from the input.
    auto named = std::make_unique<ExerciseRecord>();
    const ExerciseRecord* extra = named.get();
    const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, table.size());
    const std::size_t gap = input.ConsumeIntegralInRange<std::size_t>(0, 8);
    const std::string name = input.ConsumeRandomLengthString(sizeof named->name - 1);
    std::memcpy(named->name, name.data(), name.size());
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::vector<std::unique_ptr<ExerciseRecord>> records;
    for (std::size_t i = 0; i <= table.size(); ++i) {
        if (gap != 0 && i % gap == 0) {
            records.emplace_back();
        }
        if (i == at) {
            records.push_back(std::move(named));
        }
        if (i < table.size()) {
            records.push_back(std::move(table[i]));
        }
    }

    const std::string wanted = LowerAsciiLetters(text);
    const ExerciseRecord* expected = nullptr;
    for (const auto& r : records) {
        if (r && LowerAsciiLetters(r->name) == wanted) {
            expected = r.get();
            break;
        }
    }
    Check(FindExercise(records, text) == expected, "the lookup answers the first record of that name, or none");

    std::deque<const ExerciseRecord*> listed;
    for (const auto& r : records) {
        if (r) {
            listed.push_back(r.get());
        }
    }
    auto next = listed.begin();
    const ExerciseRecord* found = FindExercise(
        [&]() -> const ExerciseRecord* { return next != listed.end() ? *next++ : nullptr; }, text);
    Check(found == expected, "the lookup over records handed out one by one answers the same");

    std::size_t back = 0;
    for (auto& r : records) {
        if (r && r.get() != extra) {
            table[back++] = std::move(r);
        }
    }
    return 0;
}
