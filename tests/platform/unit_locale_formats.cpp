// Locale date and time conventions, read from real locales (en_US.UTF-8 is 12-hour,
// de_DE.UTF-8 24-hour; the test set-up generates both).
#include "platform/LocaleFormats.h"

#include <clocale>
#include <gtest/gtest.h>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using platform::LocaleData;
using platform::LocaleFormats;

TEST(LocaleFormats, TranslatesStrftimeIntoPictureLetters) {
    const char* ampm = "%I:%M:%S %p";
    const struct {
        const char* format;
        const char* picture;
    } cases[] = {
        {"%d.%m.%Y", "dd.MM.yyyy"},
        {"%m/%d/%y", "MM'/'dd'/'yy"},
        {"%H:%M:%S", "HH':'mm':'ss"},
        {"%r", "hh':'mm':'ss tt"},
        {"%T", "HH':'mm':'ss"},
        {"%D", "MM'/'dd'/'yy"},
        {"%R", "HH':'mm"},
        {"%e %b %Y", "d mmm yyyy"},
        {"%A, %-d. %B", "dddd, d. mmmm"},
        {"%a %p", "ddd tt"},
        {"%-H.%-M", "H.m"},
        {"%k:%M", "H':'mm"},
        // Minutes not right after an hour must not read as the month.
        {"%M:%S", "nn':'ss"},
        // Letters and quotes of the format are text, not picture letters.
        {"%Hh%M", "HH'h'mm"},
        {"%Y年%m月%d日", "yyyy'年'MM'月'dd'日'"},
        {"it's %H", "'it'\"'\"'s' HH"},
        {"%% %n", "% \n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto picture = LocaleFormats::TranslateStrftime(QString::fromUtf8(c.format), ampm);
        ASSERT_TRUE(picture.has_value()) << c.format;
        EXPECT_EQ(*picture, QString::fromUtf8(c.picture)) << c.format;
    }
}

TEST(LocaleFormats, UntranslatableDirectiveFailsTheWholeFormat) {
    const char* formats[] = {"%d.%m.%Y %Z", "%Ey", "%Od", "%U",   "%5d",
                             "%_H",         "%c",  "%x",  "%H:%", "%-"};
    for (const char* format : formats)
        EXPECT_FALSE(LocaleFormats::TranslateStrftime(format, "%I:%M:%S %p")) << format;
    // A 12-hour format that names itself cannot recurse.
    EXPECT_FALSE(LocaleFormats::TranslateStrftime("%r", "%r"));
}

TEST(LocaleFormats, ReadsNamedLocales) {
    const LocaleData us = LocaleFormats("en_US.UTF-8").Read();
    ASSERT_TRUE(us.formatsRead) << "is en_US.UTF-8 generated? (scripts/install-deps.sh)";
    EXPECT_EQ(us.shortDateFormat, "MM'/'dd'/'yyyy");
    EXPECT_EQ(us.timeFormat, "hh':'mm':'ss tt");
    EXPECT_EQ(us.dateSeparator, "/");
    EXPECT_EQ(us.timeSeparator, ":");
    EXPECT_EQ(us.amString, "AM");
    EXPECT_EQ(us.pmString, "PM");
    ASSERT_EQ(us.shortMonthNames.size(), 12);
    EXPECT_EQ(us.shortMonthNames[0], "Jan");
    EXPECT_EQ(us.longMonthNames[11], "December");
    ASSERT_EQ(us.shortDayNames.size(), 7);
    EXPECT_EQ(us.shortDayNames[0], "Sun");
    EXPECT_EQ(us.longDayNames[2], "Tuesday");

    const LocaleData de = LocaleFormats("de_DE.UTF-8").Read();
    ASSERT_TRUE(de.formatsRead) << "is de_DE.UTF-8 generated? (scripts/install-deps.sh)";
    EXPECT_EQ(de.shortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(de.timeFormat, "HH':'mm':'ss");
    EXPECT_EQ(de.dateSeparator, ".");
    EXPECT_EQ(de.timeSeparator, ":");
    EXPECT_EQ(de.amString, "");
    EXPECT_EQ(de.shortMonthNames[2], QString::fromUtf8("Mär"));
    EXPECT_EQ(de.longDayNames[0], "Sonntag");
}

TEST(LocaleFormats, UnknownLocaleIsAFailedRead) {
    const LocaleData none = LocaleFormats("xx_NOWHERE.UTF-8").Read();
    EXPECT_FALSE(none.formatsRead);
    EXPECT_TRUE(none.shortDateFormat.isEmpty());
    EXPECT_TRUE(none.timeFormat.isEmpty());
}

// Without a name the reader follows the process's locale, as the program sets it at start.
TEST(LocaleFormats, DefaultFollowsTheProcessLocale) {
    const LocaleFormats process;
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const LocaleData de = process.Read();
    std::setlocale(LC_ALL, "C");
    const LocaleData c = process.Read();

    EXPECT_TRUE(de.formatsRead);
    EXPECT_EQ(de.shortDateFormat, "dd.MM.yyyy");
    EXPECT_TRUE(c.formatsRead);
    EXPECT_EQ(c.shortDateFormat, "MM'/'dd'/'yy");
    EXPECT_EQ(c.timeFormat, "HH':'mm':'ss");
}

} // namespace
