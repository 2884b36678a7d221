#include "exercise/ExerciseText.h"

#include <cstdio>

#include "text/DecimalText.h"

std::string MinutesText(int minutes) { return std::to_string(minutes) + "분"; }

std::string KcalText(double kcal) { return FormatDecimal(kcal, 1); }

std::string LastKcalSentence(double kcal) { return "계산된 운동 칼로리는 " + KcalText(kcal) + "Kcal 입니다."; }

std::string TotalKcalSentence(double kcal) { return "합산된 전체 운동 칼로리는 " + KcalText(kcal) + "Kcal 입니다."; }

float ParseKcalText(const char* text)
{
    float kcal = 0.0F;
    if (text && std::sscanf(text, "%f", &kcal) != 1)
        kcal = 0.0F;
    return kcal;
}
