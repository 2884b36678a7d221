#pragma once
// The food calculator's built-in knowledge: sixteen categories (rows 1 to 16, top to bottom on the
// food page), their dishes with calories per serving, and the 23 portion sizes. Read-only.
//
// Every lookup accepts any integer: a row outside 1..16 or an entry outside the row's range gives
// an empty text, control id 0, an empty list or 0 calories, never a read outside the tables.

#include <string>
#include <string_view>
#include <vector>

class CFoodCatalogue {
public:
    static constexpr int kFirstRow = 1;
    static constexpr int kLastRow = 16;
    static constexpr int kRowCount = kLastRow - kFirstRow + 1;
    static constexpr int kPortionCount = 23;

    // The first entry of every dish box: no dish chosen.
    static constexpr std::string_view kNoDishText = ":::선택하세요:::";

    std::string_view CategoryLabel(int row) const;
    int DishBoxId(int row) const;
    int PortionBoxId(int row) const;

    // The number of dishes of the row, not counting the first box entry.
    int DishCount(int row) const;

    // The dish box entries in order: kNoDishText first, then the row's dishes.
    std::vector<std::string> DishEntries(int row) const;

    // Calories per serving of the dish at `entry` (1 to DishCount(row)).
    float DishKcal(int row, int entry) const;

    // The 23 portion texts in order, "0" to "3".
    const std::vector<std::string>& PortionEntries() const;

    // The factor of portion entry 0 to 22: entry k below 21 gives k × 0.1 (in double), then 2.5, 3.0.
    double PortionFactor(int entry) const;

    bool IsRow(int row) const { return row >= kFirstRow && row <= kLastRow; }
    bool IsDishEntry(int row, int entry) const { return entry >= 1 && entry <= DishCount(row); }
    bool IsPortionEntry(int entry) const { return entry >= 0 && entry < kPortionCount; }
};
