#pragma once
// The texts of the exercise page: a log row's minutes and kilocalories, the two result sentences, and
// the reading back of a row's kilocalories when the log is summed.

#include <string>

// "%d분": 30 → "30분".
std::string MinutesText(int minutes);

// "%.1f": 114.0 → "114.0". The log's kilocalorie column.
std::string KcalText(double kcal);

// "계산된 운동 칼로리는 %.1fKcal 입니다." with the last calculation's kilocalories.
std::string LastKcalSentence(double kcal);

// "합산된 전체 운동 칼로리는 %.1fKcal 입니다." with the log's sum.
std::string TotalKcalSentence(double kcal);

// A log row's kilocalorie text read back as scanf's "%f" reads it, into single precision: leading
// blanks skipped, as much of a number as the text starts with; 0 when it starts with none. Reads the
// number texts in the same locale as KcalText writes them.
float ParseKcalText(const char* text);
