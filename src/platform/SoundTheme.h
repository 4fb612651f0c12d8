#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Finds a sound of the desktop's sound theme by its name ("bell", "alarm-clock-elapsed",
// "dialog-warning"), in sounds/<theme>/stereo/<name>.{oga,ogg,wav} under XDG_DATA_HOME and
// XDG_DATA_DIRS. A name that is not in the theme is tried again without its last "-part", and the
// themes it inherits from, then the freedesktop theme, are searched too.
class SoundTheme {
public:
    explicit SoundTheme(const QString& theme = QStringLiteral("freedesktop"));

    // The file for the name, or empty when no theme has it (or it cannot be a sound name).
    QString Find(const QString& name) const;

    // A sound name is a plain word of letters, digits, '-', '_' and '.', so that it can never
    // reach outside the theme folders.
    static bool IsSoundName(const QString& name);

private:
    QStringList themeChain() const;

    QString m_theme;
};

} // namespace platform
