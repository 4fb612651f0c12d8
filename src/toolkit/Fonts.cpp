#include "toolkit/Fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace {

// fontconfig does not scan wine's folder, so its metric-compatible sans serif is loaded here.
QString wineSansSerif() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/ms_sans_serif.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

QString firstAvailable(std::initializer_list<const char*> candidates) {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : candidates) {
        if (installed.contains(QString::fromLatin1(name), Qt::CaseInsensitive))
            return QString::fromLatin1(name);
    }
    return QString::fromLatin1(*candidates.begin());
}

} // namespace

QString MappedFamily(const QString& face) {
    static QHash<QString, QString> cache;
    auto it = cache.constFind(face);
    if (it != cache.constEnd())
        return *it;
    QString family;
    if (face == QLatin1String("MS Sans Serif")) {
        family = wineSansSerif();
        if (family.isEmpty())
            family = QStringLiteral("DejaVu Sans");
    } else if (face == QLatin1String("Courier New")) {
        family = firstAvailable({"Liberation Mono", "DejaVu Sans Mono"});
    } else if (face == QLatin1String("Verdana")) {
        family = firstAvailable({"Veranda", "DejaVu Sans"});
    } else if (face == QLatin1String("Consolas")) {
        family = firstAvailable({"DejaVu Sans Mono", "Liberation Mono"});
    } else {
        family = face;
    }
    cache.insert(face, family);
    return family;
}

QFont MakeFont(const QString& face, int pixelHeight, bool bold) {
    QFont font(MappedFamily(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferDefault);
    // Whole-pixel advances, as the layouts were measured: "12:00" in Courier New at 19 px is
    // 55 pixels wide, "Seconds" 77.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
