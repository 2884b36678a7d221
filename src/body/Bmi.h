#pragma once
// Body mass index: the index from height and weight, its class by sex, and its sentence.

#include <string>

#include "body/ResultColor.h"

enum class BmiOutcome { None, Underweight, Normal, Obese };

// weightKg ÷ (m × m) with m = heightCm × 0.01; m × m is formed first. Nothing is guarded: a height
// of 0 gives an infinite or not-a-number index, which ClassifyBmi handles.
double ComputeBmi(double heightCm, double weightKg);

// None for an index of 0 or below or not a number. Otherwise underweight below the lower bound
// (20.0 for sex index 0, men; 18.5 for any other index, women), normal below 25.0, else obese; an
// index equal to a bound belongs to the higher class, and +∞ is obese.
BmiOutcome ClassifyBmi(double bmi, int sexIndex);

// "귀하는 BMI 지수가 22.49 이므로 정상입니다. " and its kin, with the index to two decimals
// (an infinite index is written ∞); empty for BmiOutcome::None.
std::string BmiSentence(BmiOutcome outcome, double bmi);

// Green for a normal index, dark red otherwise.
ResultColor BmiSentenceColor(BmiOutcome outcome);
