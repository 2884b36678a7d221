#include "body/MinimumKcal.h"

#include <cstdint>

#include "text/DecimalText.h"

double MinimumKcal(int sexIndex, double heightCm, double weightKg, int ageYears)
{
    if (sexIndex == 0)
        return heightCm * 10.2 + weightKg * 11.0 - ageYears * 5.8 - 1032.0;
    // Exact in double for every 32-bit age (|3 × age| < 2^33).
    const auto ageTerm = static_cast<double>(std::int64_t{3} * ageYears);
    return weightKg * 7.48 - heightCm * 0.42 - ageTerm + 844.0;
}

std::string MinimumKcalSentence(double minimumKcal)
{
    return "섭취해야 할 최소칼로리는 " + FormatDecimal(minimumKcal, 1) + "Kcal 입니다.";
}
