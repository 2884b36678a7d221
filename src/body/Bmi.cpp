#include "body/Bmi.h"

#include "text/DecimalText.h"

double ComputeBmi(double heightCm, double weightKg)
{
    const double m = heightCm * 0.01;
    return weightKg / (m * m);
}

BmiOutcome ClassifyBmi(double bmi, int sexIndex)
{
    if (!(bmi > 0.0)) // also catches not-a-number
        return BmiOutcome::None;
    const double lowerBound = sexIndex != 0 ? 18.5 : 20.0;
    if (bmi < lowerBound)
        return BmiOutcome::Underweight;
    if (bmi < 25.0)
        return BmiOutcome::Normal;
    return BmiOutcome::Obese;
}

std::string BmiSentence(BmiOutcome outcome, double bmi)
{
    const char* verdict = nullptr;
    switch (outcome) {
    case BmiOutcome::None:
        return {};
    case BmiOutcome::Underweight:
        verdict = "저체중";
        break;
    case BmiOutcome::Normal:
        verdict = "정상";
        break;
    case BmiOutcome::Obese:
        verdict = "비만";
        break;
    }
    return "귀하는 BMI 지수가 " + FormatDecimal(bmi, 2) + " 이므로 " + verdict + "입니다. ";
}

ResultColor BmiSentenceColor(BmiOutcome outcome)
{
    return outcome == BmiOutcome::Normal ? kResultGreen : kResultRed;
}
