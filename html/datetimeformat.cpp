#include "html/datetimeformat.h"

#include <QLocale>

#include <vector>

using namespace Qt::StringLiterals;

namespace tavorin {

namespace {

enum class Code {
    Literal,
    Day,
    Day2,
    WeekdayShort,
    WeekdayLong,
    ShortDate,
    LongDate,
    Month,
    Month2,
    MonthShort,
    MonthLong,
    Minute,
    Minute2,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Second,
    Second2,
    AmPmUpper,
    AmPmLower,
    APUpper,
    APLower,
    AmPmLocale,
    DateSeparator,
    TimeSeparator,
};

struct Token {
    Code code;
    QString text; // only for Code::Literal
};

bool startsWithCaseBlind(const QString &pattern, qsizetype at, QStringView word)
{
    return QStringView(pattern).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

qsizetype runLength(const QString &pattern, qsizetype at)
{
    const QChar letter = pattern.at(at).toLower();
    qsizetype end = at + 1;
    while (end < pattern.size() && pattern.at(end).toLower() == letter)
        ++end;
    return end - at;
}

// One code of a run of the same letter; the rest of the run is read again.
struct RunCode {
    Code code;
    qsizetype length;
};

RunCode codeOfRun(QChar letter, qsizetype run)
{
    switch (letter.unicode()) {
    case 'd': {
        static constexpr Code days[] = {Code::Day,         Code::Day2,      Code::WeekdayShort,
                                        Code::WeekdayLong, Code::ShortDate, Code::LongDate};
        const qsizetype n = qMin<qsizetype>(run, 6);
        return {days[n - 1], n};
    }
    case 'm': {
        static constexpr Code months[] = {Code::Month, Code::Month2, Code::MonthShort, Code::MonthLong};
        const qsizetype n = qMin<qsizetype>(run, 4);
        return {months[n - 1], n};
    }
    case 'y':
        if (run >= 4)
            return {Code::Year4, 4};
        if (run >= 2)
            return {Code::Year2, 2};
        return {Code::DayOfYear, 1};
    case 'h':
        return run >= 2 ? RunCode{Code::Hour2, 2} : RunCode{Code::Hour, 1};
    case 'n':
        return run >= 2 ? RunCode{Code::Minute2, 2} : RunCode{Code::Minute, 1};
    case 's':
        return run >= 2 ? RunCode{Code::Second2, 2} : RunCode{Code::Second, 1};
    default:
        return {Code::Literal, 0};
    }
}

void addLiteral(std::vector<Token> &tokens, const QString &text)
{
    if (!tokens.empty() && tokens.back().code == Code::Literal)
        tokens.back().text += text;
    else
        tokens.push_back({Code::Literal, text});
}

std::vector<Token> tokenize(const QString &pattern)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == u'"') {
            qsizetype close = pattern.indexOf(u'"', i + 1);
            if (close < 0)
                close = pattern.size();
            addLiteral(tokens, pattern.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        if (c == u'\\') {
            if (i + 1 < pattern.size())
                addLiteral(tokens, pattern.mid(i + 1, 1));
            i += 2;
            continue;
        }
        if (startsWithCaseBlind(pattern, i, u"am/pm")) {
            tokens.push_back({c == u'A' ? Code::AmPmUpper : Code::AmPmLower, {}});
            i += 5;
            continue;
        }
        if (startsWithCaseBlind(pattern, i, u"ampm")) {
            tokens.push_back({Code::AmPmLocale, {}});
            i += 4;
            continue;
        }
        if (startsWithCaseBlind(pattern, i, u"a/p")) {
            tokens.push_back({c == u'A' ? Code::APUpper : Code::APLower, {}});
            i += 3;
            continue;
        }
        if (c == u'/' || c == u':') {
            tokens.push_back({c == u'/' ? Code::DateSeparator : Code::TimeSeparator, {}});
            ++i;
            continue;
        }
        const RunCode run = codeOfRun(c.toLower(), runLength(pattern, i));
        if (run.code == Code::Literal) {
            addLiteral(tokens, QString(c));
            ++i;
        } else {
            tokens.push_back({run.code, {}});
            i += run.length;
        }
    }
    return tokens;
}

bool isFiller(Code code)
{
    return code == Code::Literal || code == Code::DateSeparator || code == Code::TimeSeparator;
}

// "m" and "mm" mean minutes next to an hour or seconds code ("hh:mm", "mm:ss").
void resolveMinutes(std::vector<Token> &tokens)
{
    const auto size = static_cast<qsizetype>(tokens.size());
    for (qsizetype i = 0; i < size; ++i) {
        Code &code = tokens[i].code;
        if (code != Code::Month && code != Code::Month2)
            continue;
        qsizetype before = i - 1;
        while (before >= 0 && isFiller(tokens[before].code))
            --before;
        qsizetype after = i + 1;
        while (after < size && isFiller(tokens[after].code))
            ++after;
        const bool afterHour = before >= 0 && (tokens[before].code == Code::Hour || tokens[before].code == Code::Hour2);
        const bool beforeSecond = after < size && (tokens[after].code == Code::Second || tokens[after].code == Code::Second2);
        if (afterHour || beforeSecond)
            code = code == Code::Month ? Code::Minute : Code::Minute2;
    }
}

bool usesTwelveHourClock(const std::vector<Token> &tokens)
{
    for (const Token &token : tokens) {
        switch (token.code) {
        case Code::AmPmUpper:
        case Code::AmPmLower:
        case Code::APUpper:
        case Code::APLower:
        case Code::AmPmLocale:
            return true;
        default:
            break;
        }
    }
    return false;
}

// The locale's separator: the first run of punctuation between two fields of
// its short format, without surrounding blanks ("dd.MM.yyyy" gives ".").
QString separatorIn(const QString &format, const QString &fallback)
{
    qsizetype i = 0;
    while (i < format.size() && !format.at(i).isLetter())
        ++i;
    while (i < format.size() && format.at(i).isLetter())
        ++i;
    QString separator;
    while (i < format.size() && !format.at(i).isLetter()) {
        if (format.at(i) == u'\'')
            return fallback;
        if (format.at(i) != u' ')
            separator += format.at(i);
        ++i;
    }
    return separator.isEmpty() ? fallback : separator;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

QString render(const Token &token, const QDateTime &moment, bool twelveHour, const QLocale &locale)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const bool morning = time.hour() < 12;
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    switch (token.code) {
    case Code::Literal: return token.text;
    case Code::Day: return QString::number(date.day());
    case Code::Day2: return twoDigits(date.day());
    case Code::WeekdayShort: return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    case Code::WeekdayLong: return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    case Code::ShortDate: return locale.toString(date, QLocale::ShortFormat);
    case Code::LongDate: return locale.toString(date, QLocale::LongFormat);
    case Code::Month: return QString::number(date.month());
    case Code::Month2: return twoDigits(date.month());
    case Code::MonthShort: return locale.monthName(date.month(), QLocale::ShortFormat);
    case Code::MonthLong: return locale.monthName(date.month(), QLocale::LongFormat);
    case Code::Minute: return QString::number(time.minute());
    case Code::Minute2: return twoDigits(time.minute());
    case Code::DayOfYear: return QString::number(date.dayOfYear());
    case Code::Year2: return twoDigits(((date.year() % 100) + 100) % 100);
    case Code::Year4: return QString::number(date.year()).rightJustified(4, u'0');
    case Code::Hour: return QString::number(hour);
    case Code::Hour2: return twoDigits(hour);
    case Code::Second: return QString::number(time.second());
    case Code::Second2: return twoDigits(time.second());
    case Code::AmPmUpper: return morning ? u"AM"_s : u"PM"_s;
    case Code::AmPmLower: return morning ? u"am"_s : u"pm"_s;
    case Code::APUpper: return morning ? u"A"_s : u"P"_s;
    case Code::APLower: return morning ? u"a"_s : u"p"_s;
    case Code::AmPmLocale: {
        const QString designator = morning ? locale.amText() : locale.pmText();
        if (!designator.isEmpty())
            return designator;
        return morning ? u"AM"_s : u"PM"_s;
    }
    case Code::DateSeparator: return separatorIn(locale.dateFormat(QLocale::ShortFormat), u"/"_s);
    case Code::TimeSeparator: return separatorIn(locale.timeFormat(QLocale::ShortFormat), u":"_s);
    }
    return {};
}

} // namespace

QString FormatDateTime(const QDateTime &moment, const QString &pattern)
{
    std::vector<Token> tokens = tokenize(pattern);
    resolveMinutes(tokens);
    const bool twelveHour = usesTwelveHourClock(tokens);
    const QLocale locale;
    QString result;
    for (const Token &token : tokens)
        result += render(token, moment, twelveHour, locale);
    return result;
}

} // namespace tavorin
