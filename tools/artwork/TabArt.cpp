#include "TabArt.h"

#include <QPainterPath>

#include <array>

namespace {

struct TabLook {
    QColor body;
    QString line1;
    QString line2;
};

const std::array<TabLook, kTabCount> kTabs{{
    {QColor(245, 150, 48), QStringLiteral("다이어트"), QStringLiteral("일기")},
    {QColor(236, 98, 132), QStringLiteral("몸매"), QStringLiteral("사진")},
    {QColor(50, 156, 214), QStringLiteral("릴레이"), QStringLiteral("다이어트")},
    {QColor(140, 104, 200), QStringLiteral("다이어트"), QStringLiteral("쇼핑")},
}};

// Pictograms in a 20 x 20 box at the origin, drawn in white.

void DrawDiary(QPainter& p)
{
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 2.5, 11, 15), 1.5, 1.5);
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {7.0, 10.0, 13.0})
        p.drawLine(QPointF(7, y), QPointF(12, y));
    // A pencil leaning on the page.
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 5), QPointF(13, 15));
}

void DrawCamera(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 6, 16, 11), 2.5, 2.5);
    body.addRoundedRect(QRectF(6.5, 3.5, 7, 4), 1.2, 1.2);
    body.setFillRule(Qt::WindingFill);
    QPainterPath lens;
    lens.addEllipse(QPointF(10, 11.5), 3.6, 3.6);
    p.drawPath(body.simplified().subtracted(lens));
    p.drawEllipse(QPointF(10, 11.5), 2, 2);
}

void DrawRelay(QPainter& p)
{
    // Two arrows chasing each other round: passing the baton on.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring(3.5, 3.5, 13, 13);
    p.drawArc(ring, 20 * 16, 140 * 16);
    p.drawArc(ring, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(2.2, 8.6), QPointF(7.4, 8.6), QPointF(4.8, 12.6)}));
    p.drawPolygon(QPolygonF({QPointF(17.8, 11.4), QPointF(12.6, 11.4), QPointF(15.2, 7.4)}));
}

void DrawBag(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath bag;
    bag.moveTo(4, 7);
    bag.lineTo(16, 7);
    bag.lineTo(17, 18);
    bag.lineTo(3, 18);
    bag.closeSubpath();
    p.drawPath(bag);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6.5, 2, 7, 9), 0, 180 * 16);
}

} // namespace

void DrawIndexTab(ArtCanvas& canvas, int index, FrameState state)
{
    QPainter& p = canvas.painter();
    const TabLook& look = kTabs[index];
    const qreal top = layout::kTabY[index];
    const qreal left = layout::kSheet.right() - 4; // starts under the sheet's edge

    QColor body = look.body;
    if (state == FrameState::Hover)
        body = Tint(body, 0.18);
    else if (state == FrameState::Pressed)
        body = Tint(body, -0.15);
    // Hovering pulls the tab a little further out; pressing pushes it back in.
    const qreal right = layout::kTabX + layout::kTab.width() - (state == FrameState::Normal ? 4 : state == FrameState::Hover ? 2 : 5);
    const QRectF shape(left, top + 3, right - left, layout::kTab.height() - 6);

    QPainterPath tab;
    tab.addRoundedRect(shape, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(tab.translated(1, 1.5));
    QLinearGradient shade(shape.left(), 0, shape.right(), 0);
    shade.setColorAt(0, Tint(body, -0.08));
    shade.setColorAt(0.3, body);
    shade.setColorAt(1, Tint(body, 0.08));
    p.setBrush(shade);
    p.setPen(QPen(Tint(body, -0.28), 1));
    p.drawPath(tab);
    if (state == FrameState::Hover) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        QPainterPath glow;
        glow.addRoundedRect(shape.adjusted(1.5, 1.5, -1.5, -1.5), 7.5, 7.5);
        p.drawPath(glow);
    }

    const qreal shift = state == FrameState::Pressed ? 1 : 0;
    const qreal centreX = (layout::kSheet.right() + right) / 2 + shift;
    p.save();
    p.translate(centreX - 10, top + 7 + shift);
    switch (index) {
    case 0: DrawDiary(p); break;
    case 1: DrawCamera(p); break;
    case 2: DrawRelay(p); break;
    default: DrawBag(p); break;
    }
    p.restore();

    const QFont font = ArtFont(ArtFace::Gothic, 11, true);
    const QColor ink(255, 255, 255);
    const QColor shadow = Tint(body, -0.45);
    for (int line = 0; line < 2; ++line) {
        const QString& text = line == 0 ? look.line1 : look.line2;
        const QRectF box(centreX - 36, top + 29 + shift + line * 13, 72, 13);
        canvas.drawText(box.translated(0, 1), Qt::AlignCenter, text, font, shadow);
        canvas.drawText(box, Qt::AlignCenter, text, font, ink);
    }
}
