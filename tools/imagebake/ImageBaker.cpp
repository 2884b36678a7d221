// Build step of src/res: decodes the pictures a normal screen shows at build time and writes their
// pixels into a C++ source, so that the program draws them straight from its executable without
// decoding them as it starts (that decoding took a sixth of the start-up's processor time). The 2x
// pictures, four times as many pixels and wanted only on a denser screen, go in as their PNG bytes.
//
// Usage: vintora_image_baker RES_DIR OUTPUT.cpp BITMAP_IDS ICON_IDS ICON_SIZES   (lists comma-separated)
// Bitmap <id> comes from RES_DIR/bitmaps/<id>.png and, when present, <id>@2x.png; icon <id> from
// RES_DIR/icons/<id>-<size>.png for each size.
//
// Pixels are 32-bit words 0xAARRGGBB in the byte order of the machine that builds (the one that runs
// the program), rows top to bottom without padding: bitmaps opaque, icons premultiplied.

#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

QStringList Split(const char* list) { return QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts); }

class SourceWriter {
public:
    // Writes the array `name` with the pixels of `path`; answers the initialiser of its PixelImage, or
    // an empty string on failure.
    QByteArray AddImage(const QString& name, const QString& path, QImage::Format format)
    {
        QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "vintora_image_baker: cannot read %s\n", qPrintable(path));
            return {};
        }
        image = image.convertToFormat(format);
        const qsizetype rowBytes = image.width() * 4;
        QByteArray pixels;
        pixels.reserve(rowBytes * image.height());
        for (int y = 0; y < image.height(); ++y) {
            pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
        }
        AddArray(name, pixels);
        return QByteArray("{") + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) +
               ", {" + name.toLatin1() + ", " + QByteArray::number(pixels.size()) + "}}";
    }

    // Writes the array `name` with the bytes of the PNG file `path`; answers the initialiser of its
    // span, "{}" for a missing optional file, or an empty string on failure.
    QByteArray AddPng(const QString& name, const QString& path, bool optional)
    {
        if (optional && !QFile::exists(path)) {
            return "{}";
        }
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (bytes.isEmpty()) {
            std::fprintf(stderr, "vintora_image_baker: cannot read %s\n", qPrintable(path));
            return {};
        }
        AddArray(name, bytes);
        return "{" + name.toLatin1() + ", " + QByteArray::number(bytes.size()) + "}";
    }

    const QByteArray& Arrays() const { return m_arrays; }

private:
    // A string literal of hex escapes, 64 bytes a line; the span's explicit size leaves out its NUL.
    void AddArray(const QString& name, const QByteArray& bytes)
    {
        static const char kHex[] = "0123456789abcdef";
        m_arrays += "alignas(4) constexpr unsigned char " + name.toLatin1() + "[] =";
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (i % 64 == 0) {
                m_arrays += "\n\"";
            }
            const auto byte = static_cast<unsigned char>(bytes[i]);
            const char escaped[] = {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
            m_arrays.append(escaped, sizeof escaped);
            if (i % 64 == 63 || i == bytes.size() - 1) {
                m_arrays += '"';
            }
        }
        m_arrays += ";\n";
    }

    QByteArray m_arrays;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: vintora_image_baker RES_DIR OUTPUT.cpp BITMAP_IDS ICON_IDS ICON_SIZES\n");
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    SourceWriter writer;
    QByteArray bitmapRows;
    for (const QString& id : Split(argv[3])) {
        const QString base = res + "/bitmaps/" + id;
        const QByteArray normal = writer.AddImage("kBitmap" + id, base + ".png", QImage::Format_RGB32);
        const QByteArray doubled = writer.AddPng("kBitmap" + id + "At2x", base + "@2x.png", true);
        if (normal.isEmpty() || doubled.isEmpty()) {
            return 1;
        }
        bitmapRows += "    {" + id.toLatin1() + ", " + normal + ", " + doubled + "},\n";
    }
    QByteArray iconTables;
    QByteArray iconRows;
    for (const QString& id : Split(argv[4])) {
        QByteArray rows;
        for (const QString& size : Split(argv[5])) {
            const QByteArray image = writer.AddImage("kIcon" + id + "Size" + size, res + "/icons/" + id + "-" + size + ".png",
                                                     QImage::Format_ARGB32_Premultiplied);
            if (image.isEmpty()) {
                return 1;
            }
            rows += "    {" + id.toLatin1() + ", " + image + ", {}},\n";
        }
        iconTables += "constexpr ImageResource kIcon" + id.toLatin1() + "[] = {\n" + rows + "};\n";
        iconRows += "    {" + id.toLatin1() + ", kIcon" + id.toLatin1() + "},\n";
    }

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "vintora_image_baker: cannot write %s\n", argv[2]);
        return 1;
    }
    out.write("// Written by vintora_image_baker (tools/imagebake) from the PNG files of src/res. Do not edit.\n"
              "#include \"res/EmbeddedImages.h\"\n\nnamespace {\n\n");
    out.write(writer.Arrays());
    out.write("\nconstexpr ImageResource kBitmaps[] = {\n" + bitmapRows + "};\n\n" + iconTables +
              "\nconstexpr EmbeddedIcon kIcons[] = {\n" + iconRows + "};\n\n} // namespace\n\n"
              "std::span<const ImageResource> EmbeddedBitmaps() { return kBitmaps; }\n"
              "std::span<const EmbeddedIcon> EmbeddedIcons() { return kIcons; }\n");
    return out.commit() ? 0 : 1;
}
