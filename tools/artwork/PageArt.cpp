#include "PageArt.h"

#include "ArtCanvas.h"
#include "ArtLayout.h"

#include <QPainterPath>

#include <array>

namespace {

const QColor kTitleInk(58, 108, 32);
const QColor kTitleAccent(238, 112, 40);

// Pictograms in white on the title's lime disc, in a 22 x 22 box at the origin.

void DrawBowl(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath bowl;
    bowl.moveTo(4, 11);
    bowl.lineTo(18, 11);
    bowl.cubicTo(18, 15.5, 14.5, 18, 11, 18);
    bowl.cubicTo(7.5, 18, 4, 15.5, 4, 11);
    p.drawPath(bowl);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 9.5), QPointF(17, 4));
    p.drawLine(QPointF(14, 9.5), QPointF(18.5, 5.5));
}

void DrawDumbbell(QPainter& p)
{
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 11), QPointF(15, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 6, 3.5, 10), 1.2, 1.2);
    p.drawRoundedRect(QRectF(14.5, 6, 3.5, 10), 1.2, 1.2);
    p.drawRoundedRect(QRectF(2.5, 8, 2, 6), 0.8, 0.8);
    p.drawRoundedRect(QRectF(17.5, 8, 2, 6), 0.8, 0.8);
}

void DrawHeart(QPainter& p)
{
    QPainterPath heart;
    heart.moveTo(11, 17.5);
    heart.cubicTo(5, 13.5, 3.5, 10.5, 3.5, 8.5);
    heart.cubicTo(3.5, 5, 8.5, 3.5, 11, 7.5);
    heart.cubicTo(13.5, 3.5, 18.5, 5, 18.5, 8.5);
    heart.cubicTo(18.5, 10.5, 17, 13.5, 11, 17.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(heart);
}

void DrawScale(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 5, 14, 13), 3, 3);
    p.setBrush(layout::kMenuColor);
    p.drawEllipse(QRectF(7, 7, 8, 8));
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11.5), QPointF(13, 8.8));
}

void DrawTape(QPainter& p)
{
    // A measuring tape round a waist: a loop with ticks on the free end.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QRectF(4, 5, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 13, 10, 4));
    p.setPen(QPen(layout::kMenuColor, 0.9));
    for (qreal x : {12.0, 14.5, 17.0})
        p.drawLine(QPointF(x, 13), QPointF(x, 15));
}

struct TitleLook {
    QString name;
    void (*pictogram)(QPainter&);
};

const std::array<TitleLook, kTitleCount> kTitles{{
    {QStringLiteral("음식칼로리"), DrawBowl},
    {QStringLiteral("운동칼로리"), DrawDumbbell},
    {QStringLiteral("권장칼로리"), DrawHeart},
    {QStringLiteral("비만도"), DrawScale},
    {QStringLiteral("복부비만"), DrawTape},
}};

} // namespace

QImage PaintTitle(int page, int scale)
{
    const QSize size = layout::kTitle.size();
    ArtCanvas canvas(size, scale);
    QPainter& p = canvas.painter();
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);

    p.setPen(Qt::NoPen);
    p.setBrush(layout::kMenuColor);
    p.drawEllipse(QRectF(1, 2, 23, 23));
    p.save();
    p.translate(1.5, 2.5);
    kTitles[page].pictogram(p);
    p.restore();

    const QFont font = ArtFont(ArtFace::Round, 15, true);
    const QString name = kTitles[page].name;
    const QString tail = QStringLiteral(" 계산기");
    const qreal x = 30;
    const qreal nameWidth = canvas.textWidth(name, font);
    const QRectF line(x, 2, size.width() - x, 24);
    canvas.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, name, font, kTitleInk);
    canvas.drawText(line.adjusted(nameWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, tail, font, kTitleAccent);

    p.fillRect(QRectF(0, layout::kTitleRuleY - layout::kTitle.top(), size.width(), 2), layout::kMenuColor);
    return canvas.finish();
}

QImage PaintFoodHeader(int scale)
{
    const QSize size(446, 28);
    ArtCanvas canvas(size, scale);
    QPainter& p = canvas.painter();
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(234, 245, 253));
    shade.setColorAt(1, QColor(204, 228, 247));
    p.fillRect(QRectF(QPointF(0, 0), size), shade);
    p.fillRect(QRectF(0, 0, size.width(), 1), QColor(255, 255, 255));
    p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), QColor(140, 186, 224));

    // Columns as the rows place them: label from x 10, dish box 82..216, portion box 250..300,
    // calories from about x 353.
    struct Column {
        qreal left, right;
        const char* caption;
    };
    const std::array<Column, 4> columns{{
        {4, 80, "종류"}, {82, 216, "음식명"}, {250, 300, "분량"}, {353, 415, "칼로리"}}};
    for (qreal x : {80.0, 233.0, 326.0})
        p.fillRect(QRectF(x, 6, 1, size.height() - 12), QColor(168, 202, 232));
    const QFont font = ArtFont(ArtFace::Gothic, 12, true);
    for (const Column& column : columns)
        canvas.drawText(QRectF(column.left, 0, column.right - column.left, size.height()), Qt::AlignCenter,
                        QString::fromUtf8(column.caption), font, QColor(34, 78, 132));
    return canvas.finish();
}
