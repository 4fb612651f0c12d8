// artgen: draws every picture, the alarm sound and the icon of the program, and writes them as a
// C++ source file that the art library compiles in. Run by the build:
//   artgen --embed <out.cpp>
// For looking at the artwork:
//   artgen --contact-sheet <out.png>
//   artgen --dump <folder>      every item as a file (JPEG, WAV, ICO, PNG)
#include "Catalogue.h"
#include "ContactSheet.h"
#include "EmbedWriter.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "usage: artgen --embed OUT.cpp | --contact-sheet OUT.png | --dump DIR\n");
    return 2;
}

bool dump(const std::vector<artgen::Item>& items, const QString& dir) {
    if (!QDir().mkpath(dir))
        return false;
    for (const artgen::Item& item : items) {
        const QString base = dir + "/" + QString::fromStdString(item.name);
        if (item.kind == art::embedded::Kind::Bytes) {
            QFile f(base);
            if (!f.open(QIODevice::WriteOnly) || f.write(item.bytes) != item.bytes.size())
                return false;
            continue;
        }
        for (size_t i = 0; i < item.images.size(); ++i) {
            const QString name =
                item.images.size() == 1 ? base + ".png" : base + "." + QString::number(i) + ".png";
            if (!item.images[i].save(name, "PNG"))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return usage();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const std::vector<artgen::Item> items = artgen::catalogue();
    bool ok = false;
    if (mode == "--embed")
        ok = artgen::writeEmbedded(items, out);
    else if (mode == "--contact-sheet")
        ok = artgen::contactSheet(items).save(out, "PNG");
    else if (mode == "--dump")
        ok = dump(items, out);
    else
        return usage();
    if (!ok) {
        std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
