#include "MarkArt.h"

#include "ArtLayout.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The apple's outline in a unit square: two round shoulders, a dip for the stem, a soft base.
QPainterPath AppleBody()
{
    QPainterPath body;
    body.moveTo(0.50, 0.30);
    body.cubicTo(0.40, 0.20, 0.07, 0.20, 0.07, 0.54);
    body.cubicTo(0.07, 0.80, 0.27, 0.98, 0.40, 0.97);
    body.cubicTo(0.45, 0.965, 0.47, 0.95, 0.50, 0.95);
    body.cubicTo(0.53, 0.95, 0.55, 0.965, 0.60, 0.97);
    body.cubicTo(0.73, 0.98, 0.93, 0.80, 0.93, 0.54);
    body.cubicTo(0.93, 0.20, 0.60, 0.20, 0.50, 0.30);
    body.closeSubpath();
    return body;
}

QPainterPath Leaf()
{
    QPainterPath leaf;
    leaf.moveTo(0.52, 0.24);
    leaf.cubicTo(0.56, 0.08, 0.72, 0.02, 0.86, 0.06);
    leaf.cubicTo(0.82, 0.20, 0.68, 0.28, 0.52, 0.24);
    leaf.closeSubpath();
    return leaf;
}

} // namespace

void DrawMark(QPainter& painter, const QRectF& box, int devicePixels)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    painter.setPen(Qt::NoPen);

    // Stem under the body's dip.
    painter.setPen(QPen(QColor(120, 78, 40), 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.50, 0.32), QPointF(0.53, 0.12));
    painter.setPen(Qt::NoPen);

    QLinearGradient skin(0, 0.2, 0, 1);
    skin.setColorAt(0, QColor(255, 122, 72));
    skin.setColorAt(1, QColor(226, 58, 46));
    painter.setBrush(skin);
    painter.drawPath(AppleBody());

    QLinearGradient leafShade(0.52, 0.24, 0.86, 0.06);
    leafShade.setColorAt(0, QColor(64, 146, 44));
    leafShade.setColorAt(1, QColor(118, 190, 52));
    painter.setBrush(leafShade);
    painter.drawPath(Leaf());

    if (devicePixels >= 20) {
        // A shine on the left shoulder.
        painter.setBrush(QColor(255, 255, 255, 95));
        painter.drawEllipse(QRectF(0.17, 0.36, 0.12, 0.20));
    }
    if (devicePixels >= 24) {
        // The friendly face: two eyes and a smile.
        const qreal stroke = devicePixels >= 48 ? 0.055 : 0.075;
        painter.setBrush(Qt::white);
        const qreal eye = devicePixels >= 48 ? 0.045 : 0.06;
        painter.drawEllipse(QPointF(0.38, 0.58), eye, eye * 1.2);
        painter.drawEllipse(QPointF(0.62, 0.58), eye, eye * 1.2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap));
        QPainterPath smile;
        smile.moveTo(0.38, 0.72);
        smile.quadTo(0.50, 0.84, 0.62, 0.72);
        painter.drawPath(smile);
        if (devicePixels >= 48) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 190, 170, 150));
            painter.drawEllipse(QPointF(0.27, 0.70), 0.05, 0.035);
            painter.drawEllipse(QPointF(0.73, 0.70), 0.05, 0.035);
        }
    }
    painter.restore();
}

void DrawIcon(QPainter& painter, int size)
{
    const qreal s = size;
    const qreal inset = size <= 16 ? 0.5 : s * 0.04;
    const QRectF tile(inset, inset, s - 2 * inset, s - 2 * inset);
    const qreal radius = tile.width() * 0.22;

    QLinearGradient tileShade(0, tile.top(), 0, tile.bottom());
    tileShade.setColorAt(0, Tint(layout::kMenuColor, 0.25));
    tileShade.setColorAt(1, Tint(layout::kMenuColor, -0.12));
    painter.setPen(size >= 32 ? QPen(Tint(layout::kMenuColor, -0.35), s / 64.0) : QPen(Tint(layout::kMenuColor, -0.3), 1));
    painter.setBrush(tileShade);
    painter.drawRoundedRect(tile, radius, radius);

    // The apple fills most of the tile; at tiny sizes it takes nearly all of it to stay readable.
    const qreal markSide = size <= 16 ? s * 0.86 : s * 0.78;
    const QRectF mark((s - markSide) / 2, (s - markSide) / 2 + s * 0.01, markSide, markSide);
    DrawMark(painter, mark, int(markSide));
}
