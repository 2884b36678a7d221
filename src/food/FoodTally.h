#pragma once
// The food page's sixteen row values (calories of each row's current choice) and their total.

#include <array>
#include <string>

#include "food/FoodCatalogue.h"

class CFoodTally {
public:
    // Applies row `row`'s choice: dish box entry `dishEntry` (0 is ":::선택하세요:::", -1 no
    // selection) at portion box entry `portionEntry`. The row becomes factor × calories, taken in
    // double and stored as a 32-bit float, and the answer is true. A dish entry below 1 is refused:
    // the answer is false and every row keeps its value, even one that holds an earlier dish.
    // So is a row, dish or portion entry that the catalogue does not have.
    bool Select(int row, int dishEntry, int portionEntry);

    // The value of row 1 to 16; 0 for any other row.
    float RowKcal(int row) const;

    // 0.0 plus each row value widened to double, rows 1 to 16 in order.
    double Total() const;

    // Sets every row to 0.
    void Reset();

private:
    CFoodCatalogue m_catalogue;
    std::array<float, CFoodCatalogue::kRowCount> m_rowKcal{};
};

// A row's value as the food page shows it, e.g. "311.0 Kcal".
std::string FormatRowKcal(float rowKcal);

// The total bar's sentence, e.g. "당신이 체크한 총 칼로리는 1736.7 Kcal 입니다.".
std::string FormatTotalKcal(double total);
