// Draws the pictures of one set into a folder and writes the folder's .qrc.
// Usage: pw-pictures <set> <output folder>
#include "Picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <jpeglib.h>

namespace {

bool WriteJpeg(const QImage& image, const QString& path) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pw-pictures <set> <output folder>\n");
        return 2;
    }
    const QString set = QString::fromLatin1(argv[1]);
    const QString out = QFile::decodeName(argv[2]);
    QDir().mkpath(out);
    QString qrc;
    QTextStream qs(&qrc);
    qs << "<RCC>\n  <qresource prefix=\"/" << set << "\">\n";
    for (const pictures::Picture& pic : pictures::Registry()) {
        if (set != QLatin1String(pic.set))
            continue;
        QImage image(pic.width, pic.height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            pic.draw(p, pic.width, pic.height);
        }
        const bool jpeg = pic.format == pictures::Format::Jpeg;
        const QString file = QString::fromLatin1(pic.name).toLower() + (jpeg ? ".jpg" : ".png");
        const QString path = out + QLatin1Char('/') + file;
        bool ok = jpeg ? WriteJpeg(image, path) : image.save(path, "PNG");
        if (!ok) {
            std::fprintf(stderr, "pw-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
        qs << "    <file>" << file << "</file>\n";
    }
    qs << "  </qresource>\n</RCC>\n";
    QFile f(out + QLatin1Char('/') + set + ".qrc");
    if (!f.open(QIODevice::WriteOnly) || f.write(qrc.toUtf8()) < 0)
        return 1;
    return 0;
}
