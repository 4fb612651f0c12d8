#include "EmbedWriter.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace artgen {

namespace {

QByteArray payload(const Item& item) {
    if (item.kind == art::embedded::Kind::Bytes)
        return item.bytes;
    QByteArray out;
    for (const QImage& image : item.images) {
        const QImage::Format format =
            item.kind == art::embedded::Kind::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        const QImage img = image.convertToFormat(format);
        for (int y = 0; y < img.height(); ++y)
            out.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
    }
    return out;
}

const char* kindName(art::embedded::Kind kind) {
    switch (kind) {
    case art::embedded::Kind::Bytes:
        return "Kind::Bytes";
    case art::embedded::Kind::Picture:
        return "Kind::Picture";
    case art::embedded::Kind::List:
        return "Kind::List";
    default:
        return "Kind::Icon";
    }
}

} // namespace

bool writeEmbedded(const std::vector<Item>& items, const QString& path) {
    QByteArray src;
    src.append("// Written by artgen at build time.\n#include \"art/Embedded.h\"\n\n"
               "namespace art::embedded {\n\nnamespace {\n\n");
    char buf[64];
    for (size_t i = 0; i < items.size(); ++i) {
        const QByteArray bytes = payload(items[i]);
        std::snprintf(buf, sizeof buf, "alignas(16) const unsigned char blob%zu[] = {", i);
        src.append(buf);
        for (qsizetype k = 0; k < bytes.size(); ++k) {
            if (k % 24 == 0)
                src.append("\n");
            std::snprintf(buf, sizeof buf, "%u,", unsigned(static_cast<unsigned char>(bytes[k])));
            src.append(buf);
        }
        src.append("\n};\n");
    }
    src.append("\n} // namespace\n\nconst Entry entries[] = {\n");
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const QByteArray bytes = payload(item);
        const int width = item.images.empty() ? 0 : item.images.front().width();
        const int height = item.images.empty() ? 0 : item.images.front().height();
        std::snprintf(buf, sizeof buf, ", %s, %d, %d, %d, blob%zu, %lld},\n", kindName(item.kind),
                      width, height, int(item.images.size()), i, qlonglong(bytes.size()));
        src.append("    {\"").append(item.name.c_str()).append("\"").append(buf);
    }
    src.append("};\n\nconst int entryCount = int(sizeof entries / sizeof entries[0]);\n\n"
               "} // namespace art::embedded\n");

    // Leave an unchanged file alone so that nothing downstream rebuilds.
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == src)
        return true;
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(src);
    return out.commit();
}

} // namespace artgen
