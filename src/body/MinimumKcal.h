#pragma once
// The recommended minimum daily intake, by a linear formula per sex.

#include <string>

// Sex index 0 (men): heightCm × 10.2 + weightKg × 11.0 − ageYears × 5.8 − 1032.0.
// Any other index (women): weightKg × 7.48 − heightCm × 0.42 − 3 × ageYears + 844.0.
// Terms are taken left to right in double. 3 × ageYears is a whole-number product, formed in 64 bits
// so that no 32-bit age can overflow it. There is no clamp: the result may be 0 or negative.
double MinimumKcal(int sexIndex, double heightCm, double weightKg, int ageYears);

// "섭취해야 할 최소칼로리는 1096.1Kcal 입니다." with the intake to one decimal.
std::string MinimumKcalSentence(double minimumKcal);
