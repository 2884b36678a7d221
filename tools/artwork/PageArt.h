#pragma once
// Pictures that sit on the white sheet: the page titles and the food page's column header.

#include <QImage>

// The page titles, 154 x 31: food, exercise, recommended, BMI and abdominal obesity (0..4).
inline constexpr int kTitleCount = 5;
QImage PaintTitle(int page, int scale);

// The food page's light blue header with the captions 종류, 음식명, 분량, 칼로리: 446 x 28.
QImage PaintFoodHeader(int scale);
