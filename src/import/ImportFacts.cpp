#include "ImportFacts.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ImportFacts {

namespace {

int monthNumber(const QString &name)
{
    static const QStringList months { QStringLiteral("jan"), QStringLiteral("feb"),
        QStringLiteral("mar"), QStringLiteral("apr"), QStringLiteral("may"), QStringLiteral("jun"),
        QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"), QStringLiteral("oct"),
        QStringLiteral("nov"), QStringLiteral("dec") };
    return int(months.indexOf(name.left(3).toLower())) + 1;
}

struct DateRule
{
    QRegularExpression pattern;
    int year, month, day; // capture numbers; month 0 is read from a name
};

const QList<DateRule> &dateRules()
{
    static const QString month = QStringLiteral(
        "(Jan(?:uary)?|Feb(?:ruary)?|Mar(?:ch)?|Apr(?:il)?|May|June?|July?|Aug(?:ust)?|"
        "Sep(?:t(?:ember)?)?|Oct(?:ober)?|Nov(?:ember)?|Dec(?:ember)?)\\.?");
    static const QList<DateRule> rules {
        { QRegularExpression(
              QStringLiteral("(?<!\\d)(\\d{4})[-_.](\\d{1,2})[-_.](\\d{1,2})(?!\\d)")),
            1, 2, 3 },
        { QRegularExpression(
              QStringLiteral("(?<!\\d)(\\d{1,2})[-/.](\\d{1,2})[-/.](\\d{4})(?!\\d)")),
            3, 1, 2 },
        { QRegularExpression(QStringLiteral("(?<!\\d)(\\d{4})(\\d{2})(\\d{2})(?!\\d)")), 1, 2, 3 },
        { QRegularExpression(QStringLiteral("\\b") + month
                  + QStringLiteral("\\s+(\\d{1,2})(?:st|nd|rd|th)?,?\\s+(\\d{4})(?!\\d)"),
              QRegularExpression::CaseInsensitiveOption),
            3, 0, 2 },
        { QRegularExpression(QStringLiteral("(?<!\\d)(\\d{1,2})(?:st|nd|rd|th)?\\s+") + month
                  + QStringLiteral(",?\\s+(\\d{4})(?!\\d)"),
              QRegularExpression::CaseInsensitiveOption),
            3, 0, 1 },
    };
    return rules;
}

} // namespace

QDate findDate(const QString &text, QString *matched)
{
    qsizetype best = -1;
    QDate found;
    for (const DateRule &rule : dateRules()) {
        auto it = rule.pattern.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            const int month = rule.month > 0 ? m.captured(rule.month).toInt()
                                             : monthNumber(m.captured(rule.day == 1 ? 2 : 1));
            const QDate date(m.captured(rule.year).toInt(), month, m.captured(rule.day).toInt());
            if (!date.isValid() || date.year() < 1800 || date.year() > 2200)
                continue;
            if (best < 0 || m.capturedStart() < best) {
                best = m.capturedStart();
                found = date;
                if (matched)
                    *matched = m.captured(0);
            }
            break;
        }
    }
    return found;
}

PassageParser::Result findPassage(
    const PassageParser &parser, const QString &text, QString *matched)
{
    // A book (with its number first: "1 Cor", "II Kings"), a chapter, and perhaps verses,
    // the chapter and verse parted by ":", "." or a blank as file names have them.
    static const QRegularExpression candidate(QStringLiteral(
        "\\b((?:[1-3]|I{1,3})\\s*)?([A-Za-z][A-Za-z.]{1,20}(?:\\s+of\\s+[A-Za-z]+)?)\\s*"
        "(\\d{1,3})(?:[:. ](\\d{1,3}))?(?:\\s*[-\\x{2013}]\\s*(\\d{1,3})(?:[:.](\\d{1,3}))?)?"));
    PassageParser::Result none;
    auto it = candidate.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        QString reference = m.captured(1).trimmed() + QLatin1Char(' ') + m.captured(2)
            + QLatin1Char(' ') + m.captured(3);
        if (!m.captured(4).isEmpty())
            reference += QLatin1Char(':') + m.captured(4);
        if (!m.captured(5).isEmpty()) {
            reference += QLatin1Char('-') + m.captured(5);
            if (!m.captured(6).isEmpty())
                reference += QLatin1Char(':') + m.captured(6);
        }
        const PassageParser::Result result = parser.parse(reference.trimmed());
        if (result.ok()) {
            if (matched)
                *matched = m.captured(0);
            return result;
        }
    }
    return none;
}

QString titleFromFileName(const QString &fileName)
{
    QString base = QFileInfo(fileName).completeBaseName();
    QString date;
    if (findDate(base, &date).isValid())
        base.remove(date);
    base.replace(QLatin1Char('_'), QLatin1Char(' '));
    static const QRegularExpression edges(QStringLiteral("^[\\s\\-.,]+|[\\s\\-.,]+$"));
    return base.remove(edges).simplified();
}

QString firstLines(const QString &text, int count)
{
    QStringList lines;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QString trimmed = line.trimmed().toString();
        if (trimmed.isEmpty())
            continue;
        lines.append(trimmed);
        if (lines.size() >= count)
            break;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace ImportFacts
