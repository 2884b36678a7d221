#pragma once
// Button pictures: three-frame strips (normal, pointer on it, pressed side by side) and the
// selected menu button's plate.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Tab `index` (0..3) cut from the skin in each of its three looks: 234 x 63 at 1x.
QImage PaintTabStrip(int index, int scale);

// Minimise or close button on the cover, drawn over `skin` (the skin at the same scale): 39 x 13.
QImage PaintWindowButtonStrip(const QImage& skin, bool close, int scale);

// A page button reading `caption`, frames of `frame` size, on a page of colour `background`.
QImage PaintPageButtonStrip(const QString& caption, QSize frame, const QColor& background, int scale);

// The selected menu button's light plate on the menu colour: 106 x 47.
QImage PaintMenuPlate(int scale);
