// Date-and-time pictures, decimal padding and the clock line's picture.
#include "toolkit/FormatDateTime.h"

#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDateTime kTuesdayAfternoon(QDate(2025, 12, 9), QTime(14, 52, 7, 45));

struct PictureCase {
    const char* picture;
    const char* expected;
};

TEST(FormatDateTime, PictureLetters) {
    const PictureCase cases[] = {
        // The clock line's fallback picture: the hour goes on the 12-hour clock before am/pm.
        {"dd mmm yy hh:mm:ss am/pm", "09 Dec 25 02:52:07 pm"},
        {"HH:mm:ss am/pm", "02:52:07 pm"},
        {"HH:mm:ss", "14:52:07"},
        {"h:m:s", "14:52:7"},
        // Upper and lower case alike; the marker keeps the picture's own letters.
        {"DD MMM YY HH:MM:SS AM/PM", "09 Dec 25 02:52:07 PM"},
        {"hh:nn Am/pM", "02:52 pM"},
        {"h a/p", "2 p"},
        {"h A/P", "2 P"},
        {"h ampm", "2 PM"},
        // m is the month, except right after an hour; another letter in between undoes that.
        {"mm", "12"},
        {"m/d/yyyy", "12/9/2025"},
        {"hh mm", "14 52"},
        {"hh d mm", "14 9 12"},
        {"hh:mmm", "14:52"},
        // Names.
        {"ddd dddd", "Tue Tuesday"},
        {"mmm mmmm", "Dec December"},
        // Milliseconds, years.
        {"ss.zzz ss.z", "07.045 07.45"},
        {"y yy yyy yyyy", "25 25 2025 2025"},
        // Quoted text is written as it stands, and its letters do not count as markers.
        {"'hh' \"mm\" hh", "hh mm 14"},
        {"hh 'am/pm'", "14 am/pm"},
        {"'it''s'", "its"},
        {"\"it's\"", "it's"},
        {"hh 'open", "14 open"},
        // Only an am/pm before the next hour makes an hour 12-hour.
        {"hh h am/pm", "14 2 pm"},
        // Formats of the settings.
        {"c", "09 Dec 25 14:52:07"},
        {"t|tt", "14:52|14:52:07"},
        {"ddddd", "09 Dec 25"},
        // Everything else as it stands.
        {"x-1 @ b", "x-1 @ b"},
        {"", ""},
    };
    const TFormatSettings settings;
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.picture, kTuesdayAfternoon, settings), c.expected) << c.picture;
}

TEST(FormatDateTime, TwelveHourClockAroundMidnightAndNoon) {
    const TFormatSettings settings;
    const struct {
        QTime time;
        const char* expected;
    } cases[] = {
        {QTime(0, 5, 9), "12:05:09 am"},
        {QTime(11, 59, 59), "11:59:59 am"},
        {QTime(12, 0, 0), "12:00:00 pm"},
        {QTime(23, 0, 1), "11:00:01 pm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime("hh:mm:ss am/pm", QDateTime(QDate(2025, 1, 1), c.time), settings),
                  c.expected)
            << c.time.toString().toStdString();
}

TEST(FormatDateTime, SeparatorsAndNamesComeFromTheSettings) {
    TFormatSettings settings;
    settings.DateSeparator = ". ";
    settings.TimeSeparator = "h";
    settings.ShortMonthNames[11] = "Dez";
    settings.LongDayNames[2] = "Dienstag";
    settings.TimeAMString = "vorm.";
    settings.TimePMString = "nachm.";
    EXPECT_EQ(FormatDateTime("dddd d/mmm/yyyy hh:nn ampm", kTuesdayAfternoon, settings),
              "Dienstag 9. Dez. 2025 02h52 nachm.");
}

TEST(FormatDateTime, InvalidDateTimeWritesZerosAndNoNames) {
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy ddd mmm hh:nn:ss", QDateTime(), TFormatSettings()),
              "00/00/0000   00:00:00");
}

// Pictures come from the locale and from whatever the settings hold, so any text must give a
// bounded result quickly: self-referring settings, long runs and lone quotes included.
TEST(FormatDateTime, ArbitraryPicturesStayBoundedAndLinear) {
    TFormatSettings settings;
    settings.ShortDateFormat = "c ddddd tt " + QString(200, u'm');
    settings.LongTimeFormat = "tt c " + QString(200, u'd');
    settings.ShortTimeFormat = QString(300, u'c');

    std::mt19937 random(12345);
    // Letters of the picture language, quotes, separators, and halves of a surrogate pair.
    const QString alphabet = QString::fromUtf8("dmyhnsztcapDMYHNSZTCAP/:'\" xX-\u00e9\U0001F600");
    for (int round = 0; round < 300; ++round) {
        QString picture;
        const int length = int(random() % 400);
        for (int i = 0; i < length; ++i)
            picture += alphabet[int(random() % alphabet.size())];
        EXPECT_LE(FormatDateTime(picture, kTuesdayAfternoon, settings).size(), MaxFormattedLength);
    }

    const QString huge[] = {
        QString(200000, u'c'),
        QString("h").repeated(100000) + "am/pm",
        QString("hm").repeated(100000) + "am/pm",
        QString("'").repeated(100001),
        QString("h '").repeated(50000),
    };
    for (const QString& picture : huge)
        EXPECT_LE(FormatDateTime(picture, kTuesdayAfternoon, settings).size(), MaxFormattedLength);
}

TEST(FormatDecimal, MatchesPrintf) {
    const int values[] = {0, 1, -1, 7, -7, 99, 100, -123, 3723, 359999, INT_MAX, INT_MIN};
    const int digits[] = {-3, 0, 1, 2, 6, 11};
    for (int value : values) {
        for (int d : digits) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*d", d, value);
            EXPECT_EQ(FormatDecimal(value, d), expected) << value << " with " << d;
        }
    }
    EXPECT_EQ(FormatDecimal(5, INT_MAX).size(), 1024);
}

TEST(ClockLinePicture, TakesOutTheLocaleMarkerAndEndsInAmPm) {
    const struct {
        const char* time;
        const char* expected;
    } cases[] = {
        {"h:mm:ss tt", "D h:mm:ss am/pm"},
        {"tt h:mm:ss", "D h:mm:ss am/pm"},
        {"hh:mm:ss", "D hh:mm:ss am/pm"},
        {" \t HH:mm:ss \n", "D HH:mm:ss am/pm"},
        // Only the first marker goes, whatever its case, and only when a lower-case one is there.
        {"TT h:mm tt", "D h:mm tt am/pm"},
        {"h:mm TT", "D h:mm TT am/pm"},
        {"", "D  am/pm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClockLinePicture("D", c.time), c.expected) << c.time;
}

// The clock line shows the 12-hour clock with am or pm whatever the locale's own time format.
TEST(ClockLinePicture, LineIsOnTheTwelveHourClock) {
    const struct {
        const char* date;
        const char* time;
        const char* expected;
    } cases[] = {
        {"dd mmm yy", "hh:mm:ss", "09 Dec 25 02:52:07 pm"},
        {"dd.MM.yyyy", "HH:mm:ss", "09.12.2025 02:52:07 pm"},
        {"M/d/yyyy", "h:mm:ss tt", "12/9/2025 2:52:07 pm"},
        {"yyyy-MM-dd", "tt h:mm:ss", "2025-12-09 2:52:07 pm"},
    };
    const TFormatSettings settings;
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(ClockLinePicture(c.date, c.time), kTuesdayAfternoon, settings),
                  c.expected)
            << c.date << " " << c.time;
}

} // namespace
