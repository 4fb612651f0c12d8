// The locale's strftime formats on their way to the clock line: any D_FMT, T_FMT and T_FMT_AMPM
// must be translated whole or refused, a translation must leave no quote open (an open quote
// would turn the rest of the clock line into literal text), and the clock line the program
// builds from it must format without a fault.
//
// Input: an 8-byte header (int64 milliseconds since 1970, UTC), then NUL-separated fields:
// D_FMT, T_FMT, T_FMT_AMPM, am string, pm string, date separator, time separator, short month
// names and short day names (lists split at '|').
#include "FuzzInput.h"
#include "platform/LocaleFormats.h"
#include "toolkit/FormatDateTime.h"

#include <QDateTime>
#include <optional>

namespace {

// Quotes as the picture language reads them: '...' or "...", each closed by its own kind.
bool quotesClosed(const QString& picture) {
    QChar open;
    for (const QChar c : picture) {
        if (open.isNull()) {
            if (c == u'\'' || c == u'"')
                open = c;
        } else if (c == open) {
            open = QChar();
        }
    }
    return open.isNull();
}

std::optional<QString> translate(const QString& format, const QString& ampm) {
    std::optional<QString> out = platform::LocaleFormats::TranslateStrftime(format, ampm);
    if (!out)
        return out;
    if (!quotesClosed(*out))
        fuzzinput::fail("a translated format leaves a quote open");
    // Every character of the format becomes at most a few picture characters; %r brings in the
    // 12-hour format, itself translated the same way.
    const qsizetype bound = 12 * (format.size() + 1) * (ampm.size() + 1);
    if (out->size() > bound)
        fuzzinput::fail("a translated format grew out of proportion");
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzinput::Fields in(data, size, 8);
    const QDateTime when =
        QDateTime::fromMSecsSinceEpoch(fuzzinput::integer<std::int64_t>(in.header(), 0), Qt::UTC);

    const QString ampm = in.text(2);
    const std::optional<QString> date = translate(in.text(0), ampm);
    const std::optional<QString> time = translate(in.text(1), ampm);
    translate(ampm, ampm);

    platform::LocaleData locale;
    locale.formatsRead = date && time;
    if (locale.formatsRead) {
        locale.shortDateFormat = *date;
        locale.timeFormat = *time;
    }
    locale.amString = in.text(3);
    locale.pmString = in.text(4);
    locale.dateSeparator = in.text(5);
    locale.timeSeparator = in.text(6);
    if (in.has(7))
        locale.shortMonthNames = in.names(7);
    if (in.has(8))
        locale.shortDayNames = in.names(8);

    // What the main window does with it every second.
    QString dateFormat = locale.shortDateFormat;
    QString timeFormat = locale.timeFormat;
    if (!locale.formatsRead) {
        dateFormat = QStringLiteral("dd mmm yy");
        timeFormat = QStringLiteral("hh:mm:ss");
    }
    const QString line = FormatDateTime(ClockLinePicture(dateFormat, timeFormat), when,
                                        FormatSettingsFromLocale(locale));
    if (line.size() > MaxFormattedLength)
        fuzzinput::fail("the clock line is longer than MaxFormattedLength");
    return 0;
}
