#include "StripArt.h"

#include "ArtCanvas.h"
#include "ArtLayout.h"
#include "SkinArt.h"

#include <QPainterPath>

#include <array>
#include <functional>

namespace {

constexpr std::array<FrameState, 3> kStates{FrameState::Normal, FrameState::Hover, FrameState::Pressed};

// Draws each frame on its own canvas and lays the three side by side.
QImage JoinFrames(QSize frame, int scale, const std::function<void(ArtCanvas&, FrameState)>& drawFrame)
{
    QImage strip(QSize(frame.width() * 3, frame.height()) * scale, QImage::Format_RGB32);
    QPainter joiner(&strip);
    for (int i = 0; i < 3; ++i) {
        ArtCanvas canvas(frame, scale);
        drawFrame(canvas, kStates[i]);
        joiner.drawImage(QPoint(i * frame.width() * scale, 0), canvas.finish());
    }
    return strip;
}

} // namespace

QImage PaintTabStrip(int index, int scale)
{
    return JoinFrames(layout::kTab, scale, [&](ArtCanvas& canvas, FrameState state) {
        canvas.paste(PaintSkin(scale, index, state),
                     QRect(QPoint(layout::kTabX, layout::kTabY[index]), layout::kTab));
    });
}

QImage PaintWindowButtonStrip(const QImage& skin, bool close, int scale)
{
    const QPoint at = close ? layout::kCloseButton : layout::kMinimiseButton;
    return JoinFrames(layout::kWindowButton, scale, [&](ArtCanvas& canvas, FrameState state) {
        canvas.paste(skin, QRect(at, layout::kWindowButton));
        QPainter& p = canvas.painter();
        const QRectF box(0.5, 0.5, 12, 12);
        const QColor hot = close ? QColor(232, 84, 56) : QColor(255, 255, 255);
        QColor fill(255, 255, 255, 45);
        QColor glyph = Qt::white;
        if (state == FrameState::Hover) {
            fill = hot;
            glyph = close ? Qt::white : QColor(62, 114, 42);
        } else if (state == FrameState::Pressed) {
            fill = close ? Tint(hot, -0.25) : QColor(220, 232, 200);
            glyph = close ? Qt::white : QColor(40, 80, 26);
        }
        p.setPen(QPen(QColor(255, 255, 255, state == FrameState::Normal ? 140 : 220), 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, 3, 3);

        const qreal shift = state == FrameState::Pressed ? 0.5 : 0;
        p.setPen(QPen(glyph, 1.5, Qt::SolidLine, Qt::RoundCap));
        if (close) {
            p.drawLine(QPointF(4 + shift, 4 + shift), QPointF(9 + shift, 9 + shift));
            p.drawLine(QPointF(9 + shift, 4 + shift), QPointF(4 + shift, 9 + shift));
        } else {
            p.drawLine(QPointF(3.5, 9 + shift), QPointF(9.5, 9 + shift));
        }
    });
}

QImage PaintPageButtonStrip(const QString& caption, QSize frame, const QColor& background, int scale)
{
    return JoinFrames(frame, scale, [&](ArtCanvas& canvas, FrameState state) {
        QPainter& p = canvas.painter();
        p.fillRect(QRectF(QPointF(0, 0), frame), background);

        QColor top(146, 196, 66), bottom(100, 152, 38);
        if (state == FrameState::Hover) {
            top = QColor(255, 170, 72);
            bottom = QColor(238, 118, 40);
        } else if (state == FrameState::Pressed) {
            top = QColor(206, 100, 30);
            bottom = QColor(232, 128, 50);
        }
        const QRectF box = QRectF(QPointF(0, 0), frame).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient shade(0, 0, 0, frame.height());
        shade.setColorAt(0, top);
        shade.setColorAt(1, bottom);
        p.setPen(QPen(Tint(bottom, -0.25), 1));
        p.setBrush(shade);
        p.drawRoundedRect(box, 3.5, 3.5);
        if (state != FrameState::Pressed) {
            // A glossy top edge.
            p.setPen(QPen(QColor(255, 255, 255, 110), 1));
            p.drawLine(QPointF(3, 1.5), QPointF(frame.width() - 3, 1.5));
        }

        const qreal shift = state == FrameState::Pressed ? 1 : 0;
        const QFont font = ArtFont(ArtFace::Gothic, frame.width() < 40 ? 12 : 11, true);
        const QRectF textBox = QRectF(QPointF(0, 0), frame).translated(shift, shift);
        canvas.drawText(textBox.translated(0, 1), Qt::AlignCenter, caption, font, Tint(bottom, -0.4));
        canvas.drawText(textBox, Qt::AlignCenter, caption, font, Qt::white);
    });
}

QImage PaintMenuPlate(int scale)
{
    ArtCanvas canvas(layout::kMenuButton, scale);
    QPainter& p = canvas.painter();
    p.fillRect(QRectF(QPointF(0, 0), layout::kMenuButton), layout::kMenuColor);

    // The caption is centred on x 48 (the upper 96 px), so the plate is centred there too;
    // a small pointer on the right end points at the sheet.
    const QRectF plate(3.5, 4.5, 90, 38);
    QPainterPath shape;
    shape.addRoundedRect(plate, 19, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 120, 20, 70));
    p.drawPath(shape.translated(0.5, 1.5));
    QLinearGradient shade(0, plate.top(), 0, plate.bottom());
    shade.setColorAt(0, QColor(255, 255, 250));
    shade.setColorAt(1, QColor(246, 248, 226));
    p.setBrush(shade);
    p.setPen(QPen(Tint(layout::kMenuColor, -0.25), 1));
    p.drawPath(shape);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(97, 19), QPointF(103, 23.5), QPointF(97, 28)}));
    return canvas.finish();
}
