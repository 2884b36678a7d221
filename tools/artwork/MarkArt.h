#pragma once
// Vintora's mark: a cheerful apple with a leaf. Used by the logo, the cover caption and the icon.

#include <QPainter>
#include <QRectF>

// Draws the mark filling the square `box`; `devicePixels` is its size on the device, which
// decides how much detail (face, highlight) still reads at that size.
void DrawMark(QPainter& painter, const QRectF& box, int devicePixels);

// The program icon: the mark on a rounded lime tile, `size` x `size` device pixels.
void DrawIcon(QPainter& painter, int size);
