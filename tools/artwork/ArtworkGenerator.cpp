// Draws every picture of the program and writes it as PNG at 1x and 2x (each drawn natively at
// its resolution) into <res>/bitmaps/<id>.png, <id>@2x.png and <res>/icons/128-<size>.png.
// Regenerate: cmake -B build/art -G Ninja -DVINTORA_BUILD_TOOLS=ON && cmake --build build/art --target vintora_artwork && build/art/tools/vintora_artwork src/res

#include "ArtCanvas.h"
#include "ArtLayout.h"
#include "MarkArt.h"
#include "PageArt.h"
#include "SkinArt.h"
#include "StripArt.h"
#include "TabArt.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

// One bitmap resource: its id, its size at 1x and how to draw it at a given scale.
struct Picture {
    int id;
    QSize size;
    std::function<QImage(int scale)> paint;
};

std::vector<Picture> Pictures()
{
    const QColor midBand((layout::kBandEven.red() + layout::kBandOdd.red()) / 2,
                         (layout::kBandEven.green() + layout::kBandOdd.green()) / 2,
                         (layout::kBandEven.blue() + layout::kBandOdd.blue()) / 2);
    std::vector<Picture> pictures;
    pictures.push_back({129, layout::kSkinSize, [](int s) { return PaintSkin(s); }});
    for (int tab = 0; tab < kTabCount; ++tab)
        pictures.push_back({130 + tab, {234, 63}, [tab](int s) { return PaintTabStrip(tab, s); }});
    pictures.push_back({134, layout::kMenuButton, [](int s) { return PaintMenuPlate(s); }});
    pictures.push_back({136, {446, 28}, [](int s) { return PaintFoodHeader(s); }});
    // OK stands on either band colour of the pages; the reset button on the white total bar;
    // the delete button on an odd band.
    pictures.push_back({138, {99, 20}, [midBand](int s) {
                            return PaintPageButtonStrip(QStringLiteral("OK"), {33, 20}, midBand, s);
                        }});
    pictures.push_back({139, {165, 20}, [](int s) {
                            return PaintPageButtonStrip(QStringLiteral("다시하기"), {55, 20}, Qt::white, s);
                        }});
    for (int page = 0; page < kTitleCount; ++page)
        pictures.push_back({141 + page, layout::kTitle.size(), [page](int s) { return PaintTitle(page, s); }});
    pictures.push_back({146, {291, 20}, [](int s) {
                            return PaintPageButtonStrip(QStringLiteral("선택된 항목 삭제"), {97, 20}, layout::kBandOdd, s);
                        }});
    pictures.push_back({147, {39, 13}, [](int s) { return PaintWindowButtonStrip(PaintSkin(s), false, s); }});
    pictures.push_back({148, {39, 13}, [](int s) { return PaintWindowButtonStrip(PaintSkin(s), true, s); }});
    return pictures;
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool Save(const QImage& image, const QString& path)
{
    // Quality 0 asks for the strongest compression: the bytes are compiled into the program.
    if (image.save(path, "PNG", 0))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool FontsInstalled()
{
    bool ok = true;
    for (ArtFace face : {ArtFace::Round, ArtFace::Gothic}) {
        const QFont font = ArtFont(face, 12, false);
        if (QFontInfo(font).family() != font.family()) {
            std::fprintf(stderr, "font %s is missing (install fonts-nanum)\n", qPrintable(font.family()));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resource folder, e.g. src/res>\n", argv[0]);
        return 2;
    }
    if (!FontsInstalled())
        return 1;

    const QDir res(QString::fromLocal8Bit(argv[1]));
    if (!res.mkpath(QStringLiteral("bitmaps")) || !res.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create folders under %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const Picture& picture : Pictures()) {
        for (int scale : {1, 2}) {
            const QImage image = picture.paint(scale);
            if (image.size() != picture.size * scale) {
                std::fprintf(stderr, "bitmap %d is %dx%d at %dx, expected %dx%d\n", picture.id, image.width(),
                             image.height(), scale, picture.size.width() * scale, picture.size.height() * scale);
                return 1;
            }
            const QString name = QString::number(picture.id) + (scale == 2 ? QStringLiteral("@2x") : QString());
            ok &= Save(image, res.filePath(QStringLiteral("bitmaps/%1.png").arg(name)));
        }
    }
    for (int size : kIconSizes) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawIcon(painter, size);
        painter.end();
        ok &= Save(icon, res.filePath(QStringLiteral("icons/128-%1.png").arg(size)));
    }
    return ok ? 0 : 1;
}
