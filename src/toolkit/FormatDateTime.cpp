#include "toolkit/FormatDateTime.h"

#include "platform/LocaleFormats.h"

#include <QStringView>
#include <algorithm>
#include <cstdlib>

TFormatSettings::TFormatSettings()
    : ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}
    , LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                     "July",    "August",   "September", "October", "November", "December"}
    , ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}
    , LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"} {
}

namespace {

// A list from the locale replaces ours only when it is complete.
void takeNames(QStringList& into, const QStringList& from, qsizetype count) {
    if (from.size() != count)
        return;
    if (std::any_of(from.begin(), from.end(), [](const QString& s) { return s.isEmpty(); }))
        return;
    into = from;
}

void takeText(QString& into, const QString& from) {
    if (!from.isEmpty())
        into = from;
}

char16_t lowerAscii(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
}

bool startsWithNoCase(QStringView text, qsizetype at, QStringView word) {
    return text.size() - at >= word.size() &&
           text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

QString nameAt(const QStringList& names, int index) {
    return (index >= 0 && index < names.size()) ? names[index] : QString();
}

struct Fields {
    bool dateValid = false;
    int year = 0, month = 0, day = 0, dayOfWeek = 0; // dayOfWeek: 0 = Sunday
    int hour = 0, minute = 0, second = 0, msec = 0;
};

class Formatter {
public:
    Formatter(const Fields& fields, const TFormatSettings& settings)
        : m_f(fields)
        , m_s(settings) {}

    void format(QStringView picture, int level);
    QString result() {
        if (m_out.size() > MaxFormattedLength)
            m_out.truncate(MaxFormattedLength);
        if (!m_out.isEmpty() && m_out.back().isHighSurrogate())
            m_out.chop(1);
        return m_out;
    }

private:
    bool full() const { return m_out.size() >= MaxFormattedLength; }
    void put(QStringView text) {
        m_out.append(text.left(std::max<qsizetype>(0, MaxFormattedLength - m_out.size())));
    }
    void number(int value, int digits) { put(FormatDecimal(value, digits)); }
    void expand(const QString& picture, int level) {
        // Formats brought in by c, t and ddddd are expanded one level deep, so settings that name
        // each other cannot recurse.
        if (level < 1)
            format(picture, level + 1);
    }
    bool twelveHourAfter(QStringView picture, qsizetype from) const;

    const Fields& m_f;
    const TFormatSettings& m_s;
    QString m_out;
};

// The hour is on the 12-hour clock when an am/pm marker comes after it before the next hour. The
// look-ahead stops at the next hour letter, so the looks-ahead of all hours together read the
// picture once.
bool Formatter::twelveHourAfter(QStringView p, qsizetype i) const {
    while (i < p.size()) {
        const char16_t c = lowerAscii(p[i]);
        if (c == u'\'' || c == u'"') {
            const qsizetype close = p.indexOf(p[i], i + 1);
            if (close < 0)
                return false;
            i = close + 1;
            continue;
        }
        if (c == u'a')
            return startsWithNoCase(p, i, u"am/pm") || startsWithNoCase(p, i, u"a/p") ||
                   startsWithNoCase(p, i, u"ampm");
        if (c == u'h')
            return false;
        ++i;
    }
    return false;
}

void Formatter::format(QStringView p, int level) {
    char16_t lastLetter = 0;
    qsizetype i = 0;
    while (i < p.size() && !full()) {
        const qsizetype start = i;
        char16_t token = lowerAscii(p[i]);
        if (token == u'\'' || token == u'"') {
            qsizetype close = p.indexOf(p[i], i + 1);
            if (close < 0)
                close = p.size();
            put(p.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        if (token == u'/') {
            put(m_s.DateSeparator);
            ++i;
            continue;
        }
        if (token == u':') {
            put(m_s.TimeSeparator);
            ++i;
            continue;
        }
        if (token < u'a' || token > u'z') {
            put(p.mid(i, 1));
            ++i;
            continue;
        }
        if (token == u'm' && lastLetter == u'h')
            token = u'n';
        lastLetter = token;

        // The run of the same letter, either case, makes one field.
        const char16_t letter = lowerAscii(p[start]);
        qsizetype end = start + 1;
        const auto takeRun = [&] {
            while (end < p.size() && lowerAscii(p[end]) == letter)
                ++end;
        };
        const auto count = [&] {
            return int(std::min<qsizetype>(end - start, 8));
        };

        switch (token) {
        case u'y':
            takeRun();
            if (count() <= 2)
                number(std::abs(m_f.year) % 100, 2);
            else
                number(m_f.year, 4);
            break;
        case u'm':
            takeRun();
            if (count() <= 2)
                number(m_f.month, count());
            else if (count() == 3)
                put(nameAt(m_s.ShortMonthNames, m_f.month - 1));
            else
                put(nameAt(m_s.LongMonthNames, m_f.month - 1));
            break;
        case u'n':
            takeRun();
            number(m_f.minute, std::min(count(), 2));
            break;
        case u'd':
            takeRun();
            if (count() <= 2)
                number(m_f.day, count());
            else if (count() == 3)
                put(m_f.dateValid ? nameAt(m_s.ShortDayNames, m_f.dayOfWeek) : QString());
            else if (count() == 4)
                put(m_f.dateValid ? nameAt(m_s.LongDayNames, m_f.dayOfWeek) : QString());
            else if (count() == 5)
                expand(m_s.ShortDateFormat, level);
            else
                expand(m_s.LongDateFormat, level);
            break;
        case u'h': {
            takeRun();
            int hour = m_f.hour;
            if (twelveHourAfter(p, end)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            number(hour, std::min(count(), 2));
            break;
        }
        case u's':
            takeRun();
            number(m_f.second, std::min(count(), 2));
            break;
        case u'z':
            takeRun();
            number(m_f.msec, count() == 1 ? 1 : 3);
            break;
        case u't':
            takeRun();
            expand(count() == 1 ? m_s.ShortTimeFormat : m_s.LongTimeFormat, level);
            break;
        case u'c':
            takeRun();
            expand(m_s.ShortDateFormat, level);
            if (level < 1 && (m_f.hour || m_f.minute || m_f.second || m_f.msec)) {
                put(u" ");
                expand(m_s.LongTimeFormat, level);
            }
            break;
        case u'a': {
            const bool pm = m_f.hour >= 12;
            if (startsWithNoCase(p, i, u"am/pm")) {
                put(p.mid(pm ? i + 3 : i, 2));
                end = i + 5;
            } else if (startsWithNoCase(p, i, u"a/p")) {
                put(p.mid(pm ? i + 2 : i, 1));
                end = i + 3;
            } else if (startsWithNoCase(p, i, u"ampm")) {
                put(pm ? m_s.TimePMString : m_s.TimeAMString);
                end = i + 4;
            } else {
                put(p.mid(i, 1));
            }
            break;
        }
        default:
            put(p.mid(i, 1));
            break;
        }
        i = end;
    }
}

} // namespace

TFormatSettings FormatSettingsFromLocale(const platform::LocaleData& locale) {
    TFormatSettings s;
    takeNames(s.ShortMonthNames, locale.shortMonthNames, 12);
    takeNames(s.LongMonthNames, locale.longMonthNames, 12);
    takeNames(s.ShortDayNames, locale.shortDayNames, 7);
    takeNames(s.LongDayNames, locale.longDayNames, 7);
    takeText(s.DateSeparator, locale.dateSeparator);
    takeText(s.TimeSeparator, locale.timeSeparator);
    takeText(s.TimeAMString, locale.amString);
    takeText(s.TimePMString, locale.pmString);
    if (locale.formatsRead) {
        takeText(s.ShortDateFormat, locale.shortDateFormat);
        takeText(s.LongTimeFormat, locale.timeFormat);
    }
    return s;
}

QString FormatDateTime(const QString& picture, const QDateTime& when,
                       const TFormatSettings& settings) {
    Fields f;
    const QDate date = when.date();
    const QTime time = when.time();
    if (date.isValid()) {
        f.dateValid = true;
        f.year = date.year();
        f.month = date.month();
        f.day = date.day();
        f.dayOfWeek = date.dayOfWeek() % 7;
    }
    if (time.isValid()) {
        f.hour = time.hour();
        f.minute = time.minute();
        f.second = time.second();
        f.msec = time.msec();
    }
    Formatter formatter(f, settings);
    formatter.format(picture, 0);
    return formatter.result();
}

QString FormatDecimal(int value, int minDigits) {
    minDigits = minDigits < 0 ? 1 : std::min(minDigits, 1024);
    const long long v = value;
    const unsigned long long magnitude = v < 0 ? static_cast<unsigned long long>(-v) : v;
    QString digits = (magnitude == 0 && minDigits == 0) ? QString() : QString::number(magnitude);
    if (digits.size() < minDigits)
        digits.prepend(QString(minDigits - digits.size(), u'0'));
    if (v < 0)
        digits.prepend(u'-');
    return digits;
}

QString ClockLinePicture(const QString& dateFormat, const QString& timeFormat) {
    QString time = timeFormat;
    if (time.contains(u"tt"))
        time.remove(time.indexOf(u"tt", 0, Qt::CaseInsensitive), 2);
    // Blanks and control characters, as the locale may leave them around a removed marker.
    qsizetype first = 0, last = time.size();
    while (first < last && time[first].unicode() <= u' ')
        ++first;
    while (last > first && time[last - 1].unicode() <= u' ')
        --last;
    return dateFormat + u' ' + time.mid(first, last - first) + QStringLiteral(" am/pm");
}
