#include "body/WaistHip.h"

#include <cmath>

namespace {

double ToCentimetres(double measure, int unitIndex)
{
    return unitIndex == 0 ? measure * 2.54 : measure;
}

} // namespace

WaistHipVerdict JudgeWaistHip(double waist, int waistUnit, double hip, int hipUnit, int sexIndex)
{
    if (!(hip > 0.0)) // also catches not-a-number
        return WaistHipVerdict::NoInput;
    const double ratio = ToCentimetres(waist, waistUnit) / ToCentimetres(hip, hipUnit);
    const double bound = sexIndex != 0 ? 0.8 : 1.0;
    if (ratio < bound || std::isnan(ratio))
        return WaistHipVerdict::Normal;
    return WaistHipVerdict::AbdominalObesity;
}

std::string WaistHipSentence(WaistHipVerdict verdict)
{
    switch (verdict) {
    case WaistHipVerdict::Normal:
        return "정상입니다. ";
    case WaistHipVerdict::AbdominalObesity:
        return "복부비만 입니다.";
    case WaistHipVerdict::NoInput:
        break;
    }
    return {};
}

ResultColor WaistHipSentenceColor(WaistHipVerdict verdict)
{
    return verdict == WaistHipVerdict::Normal ? kResultGreen : kResultRed;
}
