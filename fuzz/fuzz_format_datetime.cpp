// Date-and-time pictures: any picture, any settings and any date, valid or not, must give a
// bounded result without a fault; the decimal padding must agree with printf's "%.*d".
//
// Input: a 12-byte header (int32 year, month, day, hour, minute, second, int16 milliseconds,
// flags), then NUL-separated fields: picture, short date format, long date format, short time
// format, long time format, date separator, time separator, am, pm, and the short month, long
// month, short day and long day names, each list split at '|'. A missing field keeps the
// default setting.
#include "FuzzInput.h"
#include "toolkit/FormatDateTime.h"

#include <QDate>
#include <QDateTime>
#include <QStringView>
#include <QTime>
#include <algorithm>
#include <cstdio>

namespace {

// Text the formatter writes comes from the picture and the settings; when all of them are
// well-formed UTF-16, so must the result be, also where the length limit cuts it off.
void checkFormatted(const QString& out, bool inputValid) {
    if (out.size() > MaxFormattedLength)
        fuzzinput::fail("FormatDateTime wrote more than MaxFormattedLength characters");
    if (inputValid && !QStringView(out).isValidUtf16())
        fuzzinput::fail("FormatDateTime broke a surrogate pair");
}

bool validUtf16(const TFormatSettings& s) {
    const auto ok = [](const QString& t) {
        return QStringView(t).isValidUtf16();
    };
    for (const QStringList* list :
         {&s.ShortMonthNames, &s.LongMonthNames, &s.ShortDayNames, &s.LongDayNames})
        for (const QString& name : *list)
            if (!ok(name))
                return false;
    return ok(s.DateSeparator) && ok(s.TimeSeparator) && ok(s.TimeAMString) && ok(s.TimePMString) &&
           ok(s.ShortDateFormat) && ok(s.LongDateFormat) && ok(s.ShortTimeFormat) &&
           ok(s.LongTimeFormat);
}

void checkDecimal(int value, int minDigits) {
    const int precision = minDigits < 0 ? 1 : std::min(minDigits, 1024);
    char expected[1100];
    std::snprintf(expected, sizeof expected, "%.*d", precision, value);
    if (FormatDecimal(value, minDigits) != QLatin1String(expected))
        fuzzinput::fail("FormatDecimal differs from printf");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzinput::Fields in(data, size, 12);
    const auto& h = in.header();
    const auto year = fuzzinput::integer<std::int32_t>(h, 0);
    const auto msec = fuzzinput::integer<std::int16_t>(h, 9);
    const std::uint8_t flags = h[11];

    QDateTime when;
    if (flags & 1) {
        // An invalid date and time: zeros and empty names.
    } else if (flags & 2) {
        // Far from today: day numbers millions of years either side.
        when = QDateTime(QDate::fromJulianDay(qint64(year) * 1000), QTime(h[6], h[7], h[8], 0),
                         Qt::UTC);
    } else {
        // Any field may be out of range, which makes that half of the value invalid.
        when = QDateTime(QDate(year, h[4], h[5]), QTime(h[6], h[7], h[8], msec), Qt::UTC);
    }

    TFormatSettings s;
    QString* texts[] = {&s.ShortDateFormat, &s.LongDateFormat, &s.ShortTimeFormat,
                        &s.LongTimeFormat,  &s.DateSeparator,  &s.TimeSeparator,
                        &s.TimeAMString,    &s.TimePMString};
    for (std::size_t i = 0; i < std::size(texts); ++i)
        if (in.has(1 + i))
            *texts[i] = in.text(1 + i);
    QStringList* lists[] = {&s.ShortMonthNames, &s.LongMonthNames, &s.ShortDayNames,
                            &s.LongDayNames};
    for (std::size_t i = 0; i < std::size(lists); ++i)
        if (in.has(9 + i))
            *lists[i] = in.names(9 + i);

    const QString picture = in.text(0);
    const bool settingsValid = validUtf16(s);
    checkFormatted(FormatDateTime(picture, when, s),
                   settingsValid && QStringView(picture).isValidUtf16());
    checkFormatted(FormatDateTime(ClockLinePicture(s.ShortDateFormat, s.LongTimeFormat), when, s),
                   settingsValid);
    checkDecimal(year, msec);
    return 0;
}
