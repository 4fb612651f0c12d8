#include "platform/SoundTheme.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

const QString Fallback = QStringLiteral("freedesktop");
const QStringList Extensions = {QStringLiteral("oga"), QStringLiteral("ogg"),
                                QStringLiteral("wav")};
// Inheritance is followed only this deep, so a loop between index files ends.
constexpr int MaxThemes = 8;

QStringList dataDirs() {
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

QStringList inheritedThemes(const QString& theme) {
    for (const QString& dir : dataDirs()) {
        const QString index =
            dir + QStringLiteral("/sounds/") + theme + QStringLiteral("/index.theme");
        if (!QFileInfo(index).isFile())
            continue;
        QSettings settings(index, QSettings::IniFormat);
        const QVariant inherits = settings.value(QStringLiteral("Sound Theme/Inherits"));
        QStringList names = inherits.toStringList();
        if (names.size() == 1)
            names = names.front().split(QLatin1Char(','));
        QStringList result;
        for (const QString& name : names) {
            if (SoundTheme::IsSoundName(name.trimmed()))
                result << name.trimmed();
        }
        return result;
    }
    return {};
}

} // namespace

SoundTheme::SoundTheme(const QString& theme)
    : m_theme(IsSoundName(theme) ? theme : Fallback) {
}

bool SoundTheme::IsSoundName(const QString& name) {
    if (name.isEmpty() || name.size() > 255 || name.startsWith(QLatin1Char('.')) ||
        name.startsWith(QLatin1Char('-')))
        return false;
    for (const QChar c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
        if (!plain)
            return false;
    }
    return true;
}

QStringList SoundTheme::themeChain() const {
    QStringList chain{m_theme};
    for (int i = 0; i < chain.size() && chain.size() < MaxThemes; ++i) {
        for (const QString& parent : inheritedThemes(chain.at(i))) {
            if (!chain.contains(parent) && chain.size() < MaxThemes)
                chain << parent;
        }
    }
    if (!chain.contains(Fallback))
        chain << Fallback;
    return chain;
}

QString SoundTheme::Find(const QString& name) const {
    if (!IsSoundName(name))
        return {};
    const QStringList themes = themeChain();
    const QStringList dirs = dataDirs();
    for (QString candidate = name; !candidate.isEmpty();) {
        for (const QString& theme : themes) {
            for (const QString& dir : dirs) {
                const QString stem = dir + QStringLiteral("/sounds/") + theme +
                                     QStringLiteral("/stereo/") + candidate + QLatin1Char('.');
                for (const QString& extension : Extensions) {
                    if (QFileInfo(stem + extension).isFile())
                        return stem + extension;
                }
            }
        }
        const qsizetype dash = candidate.lastIndexOf(QLatin1Char('-'));
        candidate = dash > 0 ? candidate.left(dash) : QString();
    }
    return {};
}

} // namespace platform
