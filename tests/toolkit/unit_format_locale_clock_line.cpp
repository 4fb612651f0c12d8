// The clock line and the locale's own formats, on real locales.
#include "platform/LocaleFormats.h"
#include "toolkit/FormatDateTime.h"

#include <QByteArray>
#include <ctime>
#include <gtest/gtest.h>
#include <locale.h>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDateTime kTuesdayAfternoon(QDate(2025, 12, 9), QTime(14, 52, 7));

QString clockLine(const char* localeName, const QDateTime& when) {
    const platform::LocaleData data = platform::LocaleFormats(localeName).Read();
    EXPECT_TRUE(data.formatsRead) << localeName << " generated? (scripts/install-deps.sh)";
    return FormatDateTime(ClockLinePicture(data.shortDateFormat, data.timeFormat), when,
                          FormatSettingsFromLocale(data));
}

TEST(LocaleClockLine, TwelveAndTwentyFourHourLocales) {
    EXPECT_EQ(clockLine("en_US.UTF-8", kTuesdayAfternoon), "12/09/2025 02:52:07 pm");
    EXPECT_EQ(clockLine("de_DE.UTF-8", kTuesdayAfternoon), "09.12.2025 02:52:07 pm");
    EXPECT_EQ(clockLine("de_DE.UTF-8", QDateTime(QDate(2026, 3, 1), QTime(0, 4, 5))),
              "01.03.2026 12:04:05 am");
}

// A translated picture must write what the locale's own strftime writes. (%e and %k pad with a
// blank, which pictures cannot; the days and hours here have two digits where they appear.)
TEST(LocaleClockLine, TranslatedPicturesWriteWhatStrftimeWrites) {
    const char* locales[] = {"C", "en_US.UTF-8", "de_DE.UTF-8"};
    const char* formats[] = {"%d.%m.%Y", "%m/%d/%y",    "%H:%M:%S",         "%T",        "%D",
                             "%R",       "%a %A %b %B", "%e-%-m-%Y %-H:%M", "%Hh%M it's"};
    const QDateTime times[] = {QDateTime(QDate(2025, 12, 19), QTime(14, 52, 7)),
                               QDateTime(QDate(2026, 3, 10), QTime(0, 5, 9))};
    for (const char* name : locales) {
        locale_t loc = newlocale(LC_ALL_MASK, name, locale_t(nullptr));
        ASSERT_NE(loc, locale_t(nullptr)) << name;
        const platform::LocaleFormats reader(name);
        const TFormatSettings settings = FormatSettingsFromLocale(reader.Read());
        for (const char* format : formats) {
            const auto picture = platform::LocaleFormats::TranslateStrftime(format, "%I:%M:%S %p");
            ASSERT_TRUE(picture) << format;
            for (const QDateTime& when : times) {
                std::tm tm{};
                tm.tm_year = when.date().year() - 1900;
                tm.tm_mon = when.date().month() - 1;
                tm.tm_mday = when.date().day();
                tm.tm_wday = when.date().dayOfWeek() % 7;
                tm.tm_hour = when.time().hour();
                tm.tm_min = when.time().minute();
                tm.tm_sec = when.time().second();
                char expected[256];
                strftime_l(expected, sizeof expected, format, &tm, loc);
                EXPECT_EQ(FormatDateTime(*picture, when, settings), QString::fromUtf8(expected))
                    << name << " " << format << " -> " << picture->toStdString();
            }
        }
        freelocale(loc);
    }
}

} // namespace
