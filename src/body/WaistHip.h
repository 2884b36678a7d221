#pragma once
// Waist-to-hip ratio: the verdict on abdominal obesity from two measures in inches or centimetres.

#include <string>

#include "body/ResultColor.h"

enum class WaistHipVerdict { NoInput, Normal, AbdominalObesity };

// Unit index 0 means inches (× 2.54), any other centimetres. No input when the hip is not greater
// than 0 (not-a-number included). Otherwise ratio = waist ÷ hip in centimetres against the bound
// 1.0 for sex index 0 (men) and 0.8 for any other (women): below the bound, or a not-a-number
// ratio (both measures infinite), is normal; at or above it, abdominal obesity.
WaistHipVerdict JudgeWaistHip(double waist, int waistUnit, double hip, int hipUnit, int sexIndex);

// "정상입니다. " or "복부비만 입니다."; empty for WaistHipVerdict::NoInput.
std::string WaistHipSentence(WaistHipVerdict verdict);

// Green for normal, dark red otherwise.
ResultColor WaistHipSentenceColor(WaistHipVerdict verdict);
