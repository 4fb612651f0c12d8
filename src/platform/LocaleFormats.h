#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// What a locale says about writing dates and times. The formats are in date-and-time picture
// letters (dd MM yyyy HH hh mm ss tt, text in quotes), translated from the locale's strftime
// formats. Names are UTF-8 decoded; a list the locale does not fill is left empty.
struct LocaleData {
    bool formatsRead = false;    // false: the formats below are empty and must not be used
    QString shortDateFormat;     // from D_FMT
    QString timeFormat;          // from T_FMT
    QStringList shortMonthNames; // ABMON_1..12
    QStringList longMonthNames;  // MON_1..12
    QStringList shortDayNames;   // ABDAY_1..7, Sunday first
    QStringList longDayNames;    // DAY_1..7
    QString amString;            // AM_STR (may be empty, as in 24-hour locales)
    QString pmString;            // PM_STR
    QString dateSeparator;       // the first text between two fields of D_FMT, "/" if none
    QString timeSeparator;       // the first text between two fields of T_FMT, ":" if none
};

// Reads the date and time conventions of a locale. A named locale ("de_DE.UTF-8") is opened once
// at construction; without a name every Read looks at the process's current locale (the program
// sets it from the environment at start). Derive and override Read to fake a locale in tests.
class LocaleFormats {
public:
    explicit LocaleFormats(const QString& localeName = {});
    virtual ~LocaleFormats();
    LocaleFormats(const LocaleFormats&) = delete;
    LocaleFormats& operator=(const LocaleFormats&) = delete;

    // formatsRead is false when the locale cannot be opened or a format holds a directive that
    // has no picture letters; the names are filled wherever the locale could be opened.
    virtual LocaleData Read() const;

    // The picture letters of one strftime format, or nothing when a directive cannot be
    // translated. ampmFormat stands for %r (the locale's T_FMT_AMPM).
    static std::optional<QString> TranslateStrftime(const QString& format,
                                                    const QString& ampmFormat);

private:
    void* m_locale = nullptr; // locale_t of a named locale
    bool m_named = false;
};

} // namespace platform
