#include "ArtCanvas.h"

#include <QFontMetricsF>

QFont ArtFont(ArtFace face, int pixelSize, bool bold)
{
    QFont font(face == ArtFace::Round ? QStringLiteral("NanumSquareRound") : QStringLiteral("NanumGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

ArtCanvas::ArtCanvas(QSize logicalSize, int scale, bool withAlpha)
    : m_scale(scale),
      m_image(logicalSize * scale, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
{
    m_image.fill(withAlpha ? Qt::transparent : Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_painter.scale(scale, scale);
}

QFont ArtCanvas::deviceFont(const QFont& font) const
{
    QFont scaled = font;
    scaled.setPixelSize(font.pixelSize() * m_scale);
    return scaled;
}

void ArtCanvas::drawText(const QRectF& rect, int flags, const QString& text, const QFont& font, const QColor& color)
{
    // Map to device pixels and draw untransformed, so the glyphs are hinted at their real size.
    const QRectF device = m_painter.worldTransform().mapRect(rect);
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setFont(deviceFont(font));
    m_painter.setPen(color);
    m_painter.drawText(device, flags, text);
    m_painter.restore();
}

qreal ArtCanvas::textWidth(const QString& text, const QFont& font) const
{
    return QFontMetricsF(deviceFont(font)).horizontalAdvance(text) / m_scale;
}

void ArtCanvas::paste(const QImage& image, const QRect& source)
{
    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawImage(QPoint(0, 0), image,
                        QRect(source.topLeft() * m_scale, source.size() * m_scale));
    m_painter.restore();
}

QImage ArtCanvas::finish()
{
    m_painter.end();
    return m_image;
}
