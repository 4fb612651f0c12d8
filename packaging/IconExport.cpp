// Writes the program icon's images as the PNGs a desktop's icon theme looks up:
//
//   tavorine-icon-export OUTDIR NAME SIZE...
//
// gives OUTDIR/<SIZE>x<SIZE>/apps/NAME.png for each SIZE. The images come from the icon the
// program carries, so the desktop shows exactly what the program file holds. Where the icon has
// more than one image of a size, the one with the most colours wins (32-bit with alpha over 256
// colours with a mask). A size the icon does not carry is an error: the install rules name every
// file they expect.
#include "art/Art.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <map>

namespace {

struct Choice {
    int index = -1;
    int bitCount = 0;
};

int le16(const QByteArray& b, qsizetype at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

// The directory of an ICO file: for each square size, the entry with the greatest colour depth.
std::map<int, Choice> directory(const QByteArray& ico) {
    std::map<int, Choice> best;
    if (ico.size() < 6 || le16(ico, 0) != 0 || le16(ico, 2) != 1)
        return best;
    const int count = le16(ico, 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + qsizetype(i) * 16;
        if (at + 16 > ico.size())
            break;
        const int width =
            static_cast<unsigned char>(ico[at]) ? static_cast<unsigned char>(ico[at]) : 256;
        const int height =
            static_cast<unsigned char>(ico[at + 1]) ? static_cast<unsigned char>(ico[at + 1]) : 256;
        const int bitCount = le16(ico, at + 6);
        if (width != height)
            continue;
        Choice& c = best[width];
        if (c.index < 0 || bitCount > c.bitCount)
            c = {i, bitCount};
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTDIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QByteArray ico = art::data(u"MAINICON.ico");
    const std::map<int, Choice> entries = directory(ico);
    if (entries.empty()) {
        std::fprintf(stderr, "the embedded MAINICON.ico is missing or not an icon\n");
        return 1;
    }

    for (int a = 3; a < argc; ++a) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[a]).toInt(&ok);
        const auto found = ok ? entries.find(size) : entries.end();
        if (found == entries.end()) {
            std::fprintf(stderr, "the icon carries no %s px image\n", argv[a]);
            return 1;
        }
        QByteArray bytes = ico;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        QImage image;
        if (reader.jumpToImage(found->second.index))
            image = reader.read();
        if (image.isNull() || image.width() != size || image.height() != size) {
            std::fprintf(stderr, "cannot decode the %d px icon image: %s\n", size,
                         qPrintable(reader.errorString()));
            return 1;
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
