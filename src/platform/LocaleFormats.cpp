#include "platform/LocaleFormats.h"

#include <QByteArray>
#include <QStringView>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <vector>

namespace platform {

namespace {

// One part of a strftime format: a field already in picture letters, or literal text.
struct Piece {
    bool field = false;
    QString text;
};

bool isHourField(const Piece& piece) {
    return piece.field && !piece.text.isEmpty() && (piece.text[0] == u'H' || piece.text[0] == u'h');
}

// Splits a strftime format into fields and literal text. Returns false on a directive that has no
// picture letters, so that a format is either translated whole or not at all.
bool split(QStringView format, QStringView ampmFormat, int depth, std::vector<Piece>& out) {
    const auto literal = [&](QStringView text) {
        if (!out.empty() && !out.back().field)
            out.back().text += text;
        else
            out.push_back({false, text.toString()});
    };
    const auto field = [&](const QString& letters) {
        out.push_back({true, letters});
    };
    const auto lastField = [&]() -> const Piece* {
        for (auto it = out.rbegin(); it != out.rend(); ++it)
            if (it->field)
                return &*it;
        return nullptr;
    };
    // %T, %D, %R and %F stand for fixed formats of plain fields. %r stands for the locale's own
    // 12-hour format, which is taken in only at the top: one that named itself again could
    // recurse, and one full of %r would multiply.
    const auto nested = [&](QStringView inner) {
        return split(inner, ampmFormat, depth + 1, out);
    };

    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c != u'%') {
            literal(format.mid(i, 1));
            ++i;
            continue;
        }
        if (++i >= format.size())
            return false; // a lone % at the end
        bool unpadded = false;
        if (format[i] == u'-') {
            unpadded = true;
            if (++i >= format.size())
                return false;
        }
        const char16_t d = format[i].unicode();
        ++i;
        const auto number = [&](const QString& padded) {
            field(unpadded ? padded.left(1) : padded);
            return true;
        };
        bool ok = true;
        switch (d) {
        case u'd':
            ok = number(QStringLiteral("dd"));
            break;
        case u'e':
            field(QStringLiteral("d"));
            break;
        case u'm':
            ok = number(QStringLiteral("MM"));
            break;
        case u'Y':
            ok = !unpadded;
            field(QStringLiteral("yyyy"));
            break;
        case u'y':
            ok = !unpadded;
            field(QStringLiteral("yy"));
            break;
        case u'H':
            ok = number(QStringLiteral("HH"));
            break;
        case u'k':
            field(QStringLiteral("H"));
            break;
        case u'I':
            ok = number(QStringLiteral("hh"));
            break;
        case u'l':
            field(QStringLiteral("h"));
            break;
        case u'M': {
            // Minutes are m only right after an hour; elsewhere n says minutes unambiguously.
            const Piece* previous = lastField();
            ok = number(previous && isHourField(*previous) ? QStringLiteral("mm")
                                                           : QStringLiteral("nn"));
            break;
        }
        case u'S':
            ok = number(QStringLiteral("ss"));
            break;
        case u'p':
        case u'P':
            ok = !unpadded;
            field(QStringLiteral("tt"));
            break;
        case u'b':
        case u'h':
            ok = !unpadded;
            field(QStringLiteral("mmm"));
            break;
        case u'B':
            ok = !unpadded;
            field(QStringLiteral("mmmm"));
            break;
        case u'a':
            ok = !unpadded;
            field(QStringLiteral("ddd"));
            break;
        case u'A':
            ok = !unpadded;
            field(QStringLiteral("dddd"));
            break;
        case u'r':
            ok = !unpadded && depth == 0 && nested(ampmFormat);
            break;
        case u'T':
            ok = !unpadded && nested(u"%H:%M:%S");
            break;
        case u'R':
            ok = !unpadded && nested(u"%H:%M");
            break;
        case u'D':
            ok = !unpadded && nested(u"%m/%d/%y");
            break;
        case u'F':
            ok = !unpadded && nested(u"%Y-%m-%d");
            break;
        case u'n':
            literal(u"\n");
            ok = !unpadded;
            break;
        case u't':
            literal(u"\t");
            ok = !unpadded;
            break;
        case u'%':
            literal(u"%");
            ok = !unpadded;
            break;
        default:
            ok = false; // time zones, weeks, eras, alternative digits, widths and other flags
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

// Literal text goes into the picture as it stands where the picture language leaves it alone;
// letters, separator characters and quotes are quoted.
QString render(const std::vector<Piece>& pieces) {
    QString out;
    bool open = false;
    for (const Piece& piece : pieces) {
        if (piece.field) {
            if (open)
                out += u'\'';
            open = false;
            out += piece.text;
            continue;
        }
        for (const QChar c : piece.text) {
            const bool quote = c.isLetter() || c == u'/' || c == u':' || c == u'"';
            if (c == u'\'') {
                if (open)
                    out += u'\'';
                open = false;
                out += QStringLiteral("\"'\"");
            } else if (quote) {
                if (!open)
                    out += u'\'';
                open = true;
                out += c;
            } else {
                if (open)
                    out += u'\'';
                open = false;
                out += c;
            }
        }
    }
    if (open)
        out += u'\'';
    return out;
}

// The text between the first two fields of a format.
QString firstSeparator(const std::vector<Piece>& pieces) {
    bool afterField = false;
    for (qsizetype i = 0; i < qsizetype(pieces.size()); ++i) {
        if (pieces[i].field) {
            if (afterField)
                return {};
            afterField = true;
        } else if (afterField && i + 1 < qsizetype(pieces.size()) && pieces[i + 1].field) {
            return pieces[i].text;
        }
    }
    return {};
}

// Text from the locale in its own codeset, as UTF-16.
QString decode(const char* text, const char* codeset) {
    if (!text || !*text)
        return {};
    const QByteArray bytes(text);
    const QByteArray set = QByteArray(codeset ? codeset : "").toUpper();
    if (set == "UTF-8" || set == "UTF8")
        return QString::fromUtf8(bytes);
    iconv_t cd = iconv_open("UTF-8", codeset);
    if (cd == iconv_t(-1))
        return QString::fromLatin1(bytes);
    QByteArray converted(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* outPtr = converted.data();
    size_t outLeft = size_t(converted.size());
    const size_t done = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1))
        return QString::fromLatin1(bytes);
    converted.truncate(converted.size() - qsizetype(outLeft));
    return QString::fromUtf8(converted);
}

} // namespace

LocaleFormats::LocaleFormats(const QString& localeName)
    : m_named(!localeName.isEmpty()) {
    if (m_named)
        m_locale = newlocale(LC_ALL_MASK, localeName.toLocal8Bit().constData(), locale_t(nullptr));
}

LocaleFormats::~LocaleFormats() {
    if (m_locale)
        freelocale(locale_t(m_locale));
}

std::optional<QString> LocaleFormats::TranslateStrftime(const QString& format,
                                                        const QString& ampmFormat) {
    std::vector<Piece> pieces;
    if (!split(format, ampmFormat, 0, pieces))
        return std::nullopt;
    return render(pieces);
}

LocaleData LocaleFormats::Read() const {
    LocaleData data;
    locale_t loc = locale_t(m_locale);
    locale_t own = nullptr;
    if (!m_named)
        loc = own = duplocale(LC_GLOBAL_LOCALE);
    if (!loc)
        return data;

    const char* codeset = nl_langinfo_l(CODESET, loc);
    const auto text = [&](nl_item item) {
        return decode(nl_langinfo_l(item, loc), codeset);
    };
    static constexpr nl_item abmon[] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                        ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    static constexpr nl_item mon[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                      MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    static constexpr nl_item abday[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                        ABDAY_5, ABDAY_6, ABDAY_7};
    static constexpr nl_item day[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    for (nl_item item : abmon)
        data.shortMonthNames << text(item);
    for (nl_item item : mon)
        data.longMonthNames << text(item);
    for (nl_item item : abday)
        data.shortDayNames << text(item);
    for (nl_item item : day)
        data.longDayNames << text(item);
    data.amString = text(AM_STR);
    data.pmString = text(PM_STR);

    const QString ampm = text(T_FMT_AMPM);
    std::vector<Piece> date, time;
    if (split(text(D_FMT), ampm, 0, date) && split(text(T_FMT), ampm, 0, time)) {
        data.formatsRead = true;
        data.shortDateFormat = render(date);
        data.timeFormat = render(time);
        data.dateSeparator = firstSeparator(date);
        data.timeSeparator = firstSeparator(time);
    }
    if (data.dateSeparator.isEmpty())
        data.dateSeparator = QStringLiteral("/");
    if (data.timeSeparator.isEmpty())
        data.timeSeparator = QStringLiteral(":");

    if (own)
        freelocale(own);
    return data;
}

} // namespace platform
