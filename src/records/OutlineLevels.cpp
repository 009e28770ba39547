#include "OutlineLevels.h"

#include <QRegularExpression>

namespace {

bool isRoman(const QString &letters)
{
    static const QRegularExpression roman(QStringLiteral("^(X{0,3})(IX|IV|V?I{0,3})$"));
    // A lone C, L, D or M is far more often the third point of a level than a numeral.
    return !letters.isEmpty() && roman.match(letters).hasMatch();
}

} // namespace

int OutlineLevels::markerLevel(const QString &marker)
{
    static const QStringList bullets { QStringLiteral("-"), QStringLiteral("*"),
        QStringLiteral("•"), QStringLiteral("◦"), QStringLiteral("▪"), QStringLiteral("–") };
    if (bullets.contains(marker)) {
        return 4;
    }
    // "a)" and "(a)" stand where "a." would.
    QString head = marker;
    if (head.startsWith(QLatin1Char('(')) && head.endsWith(QLatin1Char(')'))) {
        head = head.mid(1);
    }
    if (head.size() < 2 || !(head.endsWith(QLatin1Char('.')) || head.endsWith(QLatin1Char(')')))) {
        // A compound number without a closing dot ("1.2", "I.1") is a point below its first.
        return head.contains(QLatin1Char('.')) ? qMin(int(head.count(QLatin1Char('.'))), 4) : -1;
    }
    head.chop(1);
    if (head.contains(QLatin1Char('.'))) {
        return qMin(int(head.count(QLatin1Char('.'))), 4);
    }
    if (isRoman(head)) {
        return 0;
    }
    bool digits = false;
    head.toInt(&digits);
    if (digits) {
        return 2;
    }
    if (head.size() == 1 && head.at(0).isLetter()) {
        return head.at(0).isUpper() ? 1 : 3;
    }
    return -1;
}

QList<OutlineLine> OutlineLevels::parse(const QString &text)
{
    // Markers are short: a numeral of up to six characters (perhaps compound, "1.2."), closed by
    // "." or ")" or in parentheses, or a dash, star or bullet.
    static const QRegularExpression pointLine(QStringLiteral(
        "^(\\t*)\\s*((?:[IVX]{1,6}|[A-Za-z]|\\d{1,3})(?:\\.(?:[IVX]{1,6}|[A-Za-z]|\\d{1,3}))*[.)]"
        "|(?:[IVX]{1,6}|[A-Za-z]|\\d{1,3})(?:\\.(?:[IVX]{1,6}|[A-Za-z]|\\d{1,3}))+"
        "|\\((?:[IVXivx]{1,6}|[A-Za-z]|\\d{1,3})\\)|[-*•◦▪–])\\s+(\\S.*)$"));
    QList<OutlineLine> lines;
    const QStringList source = text.split(QLatin1Char('\n'));
    // Tabs before a marker are the convention's levels: then they count, not the marker.
    bool tabLevels = false;
    for (const QString &raw : source) {
        const QRegularExpressionMatch match = pointLine.match(raw);
        if (match.hasMatch() && !match.captured(1).isEmpty()
            && markerLevel(match.captured(2)) >= 0) {
            tabLevels = true;
            break;
        }
    }
    bool afterBlank = true;
    int pointLevel = -1; // the level of the point above, for continuations
    for (int i = 0; i < source.size(); ++i) {
        QString raw = source.at(i);
        if (raw.endsWith(QLatin1Char('\r'))) {
            raw.chop(1);
        }
        if (raw.trimmed().isEmpty()) {
            afterBlank = true;
            pointLevel = -1;
            continue;
        }
        OutlineLine line;
        line.sourceLine = i;
        line.sectionStart = afterBlank && !lines.isEmpty();
        afterBlank = false;
        const QRegularExpressionMatch match = pointLine.match(raw);
        int level = match.hasMatch() ? markerLevel(match.captured(2)) : -1;
        if (level >= 0 && tabLevels) {
            level = qMin(int(match.captured(1).size()), Levels - 1);
        }
        if (level >= 0) {
            line.level = level;
            line.marker = match.captured(2);
            line.body = match.captured(3).trimmed();
            pointLevel = level;
        } else {
            line.level = pointLevel;
            line.continuation = pointLevel >= 0;
            line.body = raw.trimmed();
        }
        lines.append(line);
    }
    return lines;
}
