#pragma once
// A picture being drawn at 1x or 2x. Shapes are drawn in 1x pixel coordinates through a scaled
// painter; text is rasterised natively at the device size (never scaled afterwards), so small
// Korean captions keep their hinting at both resolutions.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

enum class ArtFace {
    Round,  // NanumSquareRound: friendly headings and the logo
    Gothic, // NanumGothic: small captions, best hinted at 11-13 px
};

// `pixelSize` is the 1x size; the canvas doubles it at 2x.
QFont ArtFont(ArtFace face, int pixelSize, bool bold);

class ArtCanvas {
public:
    ArtCanvas(QSize logicalSize, int scale, bool withAlpha = false);
    ArtCanvas(const ArtCanvas&) = delete;
    ArtCanvas& operator=(const ArtCanvas&) = delete;

    QPainter& painter() { return m_painter; }
    int scale() const { return m_scale; }
    QSize logicalSize() const { return m_image.size() / m_scale; }

    // Text inside `rect` (1x coordinates under the painter's current transform) with Qt
    // alignment `flags`, in `font` whose pixel size is given at 1x.
    void drawText(const QRectF& rect, int flags, const QString& text, const QFont& font, const QColor& color);

    // Width in 1x pixels that `text` takes in `font` at this canvas's scale.
    qreal textWidth(const QString& text, const QFont& font) const;

    // Copies the 1x rectangle `source` of `image` (drawn at this scale) to (0, 0).
    void paste(const QImage& image, const QRect& source);

    QImage finish();

private:
    QFont deviceFont(const QFont& font) const;

    int m_scale;
    QImage m_image;
    QPainter m_painter;
};
