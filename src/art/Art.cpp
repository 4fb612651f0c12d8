#include "art/Art.h"

#include "art/Embedded.h"

namespace art {

namespace {

const embedded::Entry* find(QStringView name, embedded::Kind kind) {
    for (int i = 0; i < embedded::entryCount; ++i) {
        const embedded::Entry& e = embedded::entries[i];
        if (e.kind == kind && name == QLatin1StringView(e.name))
            return &e;
    }
    return nullptr;
}

QStringView canonical(QStringView name) {
    // The two dialogs' speed buttons carry the same glyph as the main window's close button.
    if (name == u"frmSetTime.SpeedButton3" || name == u"frmMsg.SpeedButton1")
        return u"CloseGlyph";
    return name;
}

QImage wrap(const unsigned char* bytes, int width, int height, QImage::Format format) {
    // The const constructor never writes to the buffer: any change makes a private copy.
    return QImage(bytes, width, height, width * 4, format);
}

} // namespace

QByteArray data(QStringView name) {
    const embedded::Entry* e = find(name, embedded::Kind::Bytes);
    if (!e)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char*>(e->bytes), e->size);
}

QImage picture(QStringView name) {
    const embedded::Entry* e = find(canonical(name), embedded::Kind::Picture);
    if (!e)
        return {};
    return wrap(e->bytes, e->width, e->height, QImage::Format_RGB32);
}

std::vector<QImage> imageList(QStringView name) {
    std::vector<QImage> images;
    const embedded::Entry* e = find(name, embedded::Kind::List);
    if (!e)
        return images;
    const int cellBytes = e->width * e->height * 4;
    images.reserve(e->count);
    for (int i = 0; i < e->count; ++i)
        images.push_back(wrap(e->bytes + i * cellBytes, e->width, e->height, QImage::Format_RGB32));
    return images;
}

QImage iconImage(int size) {
    const embedded::Entry* best = nullptr;
    const embedded::Entry* largest = nullptr;
    for (int i = 0; i < embedded::entryCount; ++i) {
        const embedded::Entry& e = embedded::entries[i];
        if (e.kind != embedded::Kind::Icon)
            continue;
        if (!largest || e.width > largest->width)
            largest = &e;
        if (e.width >= size && (!best || e.width < best->width))
            best = &e;
    }
    if (!best)
        best = largest;
    if (!best)
        return {};
    return wrap(best->bytes, best->width, best->height, QImage::Format_ARGB32);
}

} // namespace art
