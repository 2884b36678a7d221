#include "SkinArt.h"

#include "ArtCanvas.h"
#include "ArtLayout.h"
#include "MarkArt.h"
#include "TabArt.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

const QColor kCoverTop(96, 152, 60);
const QColor kCoverBottom(62, 114, 42);
const QColor kInk(58, 108, 32);       // dark green of the logo word and the sheet's small print
const QColor kAccent(238, 112, 40);   // the orange of "칼로리 계산기"

// A soft shadow: a few widening translucent outlines of `shape`, offset down and right.
void DrawShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int steps, int alpha)
{
    p.save();
    p.translate(offset);
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / steps), i * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha / steps));
    p.drawPath(shape);
    p.restore();
}

QPainterPath RoundedPath(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void DrawCover(ArtCanvas& c)
{
    QPainter& p = c.painter();
    const QRectF all(QPointF(0, 0), layout::kSkinSize);
    QLinearGradient cover(0, 0, 0, all.height());
    cover.setColorAt(0, kCoverTop);
    cover.setColorAt(1, kCoverBottom);
    p.fillRect(all, cover);

    // A bevel: dark outer edge, light line inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(36, 72, 24), 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));

    // Caption on the cover's top edge; the window buttons keep the right end to themselves.
    DrawMark(p, QRectF(10, 4, 15, 15), 15 * c.scale());
    c.drawText(QRectF(30, 2, 300, 19), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vintora 칼로리 계산기"),
               ArtFont(ArtFace::Gothic, 12, true), QColor(255, 255, 255, 235));

    c.drawText(QRectF(0, 506, layout::kSkinSize.width(), 22), Qt::AlignCenter,
               QStringLiteral("가볍고 건강한 하루, Vintora가 함께합니다"), ArtFont(ArtFace::Gothic, 11, false),
               QColor(226, 240, 200));
}

void DrawMenuColumn(ArtCanvas& c)
{
    QPainter& p = c.painter();
    const QPainterPath column = RoundedPath(layout::kColumn, 10);
    DrawShadow(p, column, QPointF(1.5, 2), 3, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(layout::kMenuColor);
    p.drawPath(column);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Tint(layout::kMenuColor, -0.22), 1));
    p.drawPath(RoundedPath(layout::kColumn.adjusted(0.5, 0.5, -0.5, -0.5), 9.5));

    // Stitching along the column's edge, as on a felt cover.
    QPen stitch(QColor(255, 255, 255, 170), 1, Qt::CustomDashLine);
    stitch.setDashPattern({3, 3});
    p.setPen(stitch);
    p.drawPath(RoundedPath(layout::kColumn.adjusted(6.5, 6.5, -6.5, -6.5), 6));

    // Dotted dividers in the gaps between the menu buttons.
    QPen dots(QColor(255, 255, 255, 150), 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 2});
    p.setPen(dots);
    for (int i = 0; i + 1 < int(std::size(layout::kMenuButtonY)); ++i) {
        const qreal y = (layout::kMenuButtonY[i] + layout::kMenuButton.height() + layout::kMenuButtonY[i + 1]) / 2.0;
        p.drawLine(QPointF(layout::kMenuButtonX + 12, y + 0.5), QPointF(layout::kMenuButtonX + 86, y + 0.5));
    }

    c.drawText(QRectF(layout::kColumn.left(), 452, layout::kColumn.width(), 40), Qt::AlignCenter,
               QStringLiteral("오늘도 가볍게!"), ArtFont(ArtFace::Round, 12, true), QColor(255, 255, 255));
}

void DrawLogo(ArtCanvas& c)
{
    QPainter& p = c.painter();
    const QRectF card = QRectF(layout::kLogo).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath cardPath = RoundedPath(card, 10);
    DrawShadow(p, cardPath, QPointF(1, 1.5), 2, 60);
    p.setPen(QPen(Tint(layout::kMenuColor, -0.3), 1));
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(cardPath);

    DrawMark(p, QRectF(47, 66, 44, 44), 44 * c.scale());
    c.drawText(QRectF(94, 64, 84, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vintora"),
               ArtFont(ArtFace::Round, 21, true), kInk);
    c.drawText(QRectF(95, 92, 84, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("칼로리 계산기"),
               ArtFont(ArtFace::Gothic, 12, true), kAccent);
}

QPainterPath SheetPath()
{
    return RoundedPath(layout::kSheet, 6);
}

// The sheet's shadow falls on the cover but not on the tabs, which lie on top of the cover.
void DrawSheetShadow(ArtCanvas& c)
{
    DrawShadow(c.painter(), SheetPath(), QPointF(2, 2.5), 3, 80);
}

void DrawSheet(ArtCanvas& c)
{
    QPainter& p = c.painter();
    const QRectF r = layout::kSheet;
    const QPainterPath sheet = SheetPath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 200, 176), 1));
    p.drawPath(RoundedPath(r.adjusted(0.5, 0.5, -0.5, -0.5), 5.5));

    // Notebook header: the note's name on the left, a date line on the right.
    const QFont small = ArtFont(ArtFace::Gothic, 11, false);
    c.drawText(QRectF(217, 52, 250, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("나의 건강 다이어리"),
               ArtFont(ArtFace::Gothic, 12, true), kInk);
    c.drawText(QRectF(520, 52, 60, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("DATE"), small,
               QColor(150, 160, 140));
    p.setPen(QPen(QColor(200, 206, 190), 1));
    p.drawLine(QPointF(586, 67.5), QPointF(696, 67.5));

    p.setPen(QPen(QColor(225, 232, 210), 1));
    p.drawLine(QPointF(215, 80.5), QPointF(700, 80.5));

    // The titles end in a 2 px lime rule; the sheet carries it on to the right margin.
    p.fillRect(QRectF(layout::kTitle.right() + 1, layout::kTitleRuleY, 700 - layout::kTitle.right() - 1, 2),
               layout::kMenuColor);
}

void DrawBannerFrame(ArtCanvas& c)
{
    QPainter& p = c.painter();
    const QRectF banner = QRectF(layout::kBanner);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 240, 228), 1));
    p.drawRect(banner.adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(QColor(188, 198, 172), 1));
    p.drawRect(banner.adjusted(-0.5, -0.5, 0.5, 0.5));
    // Until the browser view covers it, the strip shows a quiet placeholder.
    p.fillRect(banner, QColor(250, 251, 246));
    c.drawText(banner, Qt::AlignCenter, QStringLiteral("Vintora"), ArtFont(ArtFace::Round, 14, true),
               QColor(214, 222, 200));
}

// Spiral rings joining the column and the sheet: a punched hole on each side, a metal loop over the gap.
void DrawRings(ArtCanvas& c)
{
    QPainter& p = c.painter();
    for (qreal y = 46; y <= 490; y += 20) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(52, 78, 28));
        p.drawEllipse(QRectF(185, y - 3, 6, 6));
        p.setBrush(QColor(120, 124, 118));
        p.drawEllipse(QRectF(207, y - 3, 6, 6));

        QLinearGradient metal(0, y - 3, 0, y + 3);
        metal.setColorAt(0, QColor(250, 250, 250));
        metal.setColorAt(0.45, QColor(196, 200, 204));
        metal.setColorAt(1, QColor(112, 116, 122));
        QPainterPath loop;
        loop.moveTo(188, y + 1);
        loop.cubicTo(192, y - 6, 206, y - 6, 210, y);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(70, 74, 80, 150), 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(loop.translated(0.4, 0.8));
        p.setPen(QPen(QBrush(metal), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(loop);
    }
}

} // namespace

QImage PaintSkin(int scale, int tab, FrameState tabState)
{
    ArtCanvas canvas(layout::kSkinSize, scale);
    DrawCover(canvas);
    DrawSheetShadow(canvas);
    // The tabs come out from under the sheet, so they go before it.
    for (int i = 0; i < int(std::size(layout::kTabY)); ++i)
        DrawIndexTab(canvas, i, i == tab ? tabState : FrameState::Normal);
    DrawMenuColumn(canvas);
    DrawLogo(canvas);
    DrawSheet(canvas);
    DrawBannerFrame(canvas);
    DrawRings(canvas);
    return canvas.finish();
}
