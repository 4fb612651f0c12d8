#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace platform {
struct LocaleData;
}

// The names and separators a date-and-time picture writes. The defaults are the English names
// with "/" and ":"; FormatSettingsFromLocale fills them from what the locale says.
struct TFormatSettings {
    QStringList ShortMonthNames; // January first, 12 entries
    QStringList LongMonthNames;
    QStringList ShortDayNames; // Sunday first, 7 entries
    QStringList LongDayNames;
    QString DateSeparator = QStringLiteral("/");
    QString TimeSeparator = QStringLiteral(":");
    QString TimeAMString = QStringLiteral("AM"); // what "ampm" writes
    QString TimePMString = QStringLiteral("PM");
    // What the picture letters c, ddddd, dddddd, t and tt stand for (empty writes nothing).
    QString ShortDateFormat = QStringLiteral("dd mmm yy");
    QString LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:mm:ss");

    TFormatSettings();
};
using FormatSettings = TFormatSettings;

// The settings for a locale read: its names, separators and am/pm strings, and its short date
// and time formats as the c/t/ddddd expansions. Names the locale left empty keep the defaults.
TFormatSettings FormatSettingsFromLocale(const platform::LocaleData& locale);

// Formats a date and time by a picture. Letters, upper and lower case alike:
//   d dd ddd dddd   day, two-digit day, short and long day name; ddddd and dddddd the short and
//                   long date format of the settings
//   m mm mmm mmmm   month, two-digit month, short and long month name; m and mm right after an
//                   hour (h/hh, other letters in between reset this) are the minutes
//   yy yyyy         two- and four-digit year (one or two y give two digits)
//   h hh            hour, on the 12-hour clock when an am/pm marker follows before the next hour
//   n nn            minutes
//   s ss            seconds
//   z zzz           milliseconds
//   am/pm a/p       "am"/"pm" or "a"/"p", written with the picture's own letters (so in its case)
//   ampm            the settings' TimeAMString/TimePMString
//   c               short date format, then the long time format when the time is not midnight
//   t tt            short and long time format
//   / :             the settings' date and time separators
//   '...' "..."     text written as it stands (an unclosed quote runs to the end)
// Anything else is written as it stands. The formats that c, t, tt, ddddd and dddddd bring in are
// expanded one level deep only, and the output stops at MaxFormattedLength characters, so any
// picture gives a bounded result in time linear in its length. An invalid date or time writes
// zeros and empty names for the part that is invalid.
QString FormatDateTime(const QString& picture, const QDateTime& when,
                       const TFormatSettings& settings);

constexpr int MaxFormattedLength = 65536;

// The decimal text of value with at least minDigits digits, zero-padded, as printf's "%.*d"
// gives it: "-" before the digits of a negative value, and "" for 0 with minDigits 0. A negative
// minDigits counts as 1; minDigits above 1024 counts as 1024.
QString FormatDecimal(int value, int minDigits);

// The picture of the clock line from the locale's short date and time formats: if the time
// format holds "tt" in lower case, its first "tt" in either case is taken out; the time format
// loses blanks and control characters at both ends; then date format, a blank, time format and
// " am/pm". So the line always shows the 12-hour clock followed by am or pm.
QString ClockLinePicture(const QString& dateFormat, const QString& timeFormat);
