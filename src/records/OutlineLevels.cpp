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
    if (marker == QLatin1String("-") || marker == QLatin1String("*")) {
        return 4;
    }
    if (marker.size() < 2 || !marker.endsWith(QLatin1Char('.'))) {
        return -1;
    }
    const QString head = marker.chopped(1);
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
    // Markers are short: a numeral of up to six characters, or a dash or star.
    static const QRegularExpression pointLine(
        QStringLiteral("^\\s*((?:[IVX]{1,6}|[A-Za-z]|\\d{1,3})\\.|[-*])\\s+(\\S.*)$"));
    QList<OutlineLine> lines;
    const QStringList source = text.split(QLatin1Char('\n'));
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
        const int level = match.hasMatch() ? markerLevel(match.captured(1)) : -1;
        if (level >= 0) {
            line.level = level;
            line.marker = match.captured(1);
            line.body = match.captured(2).trimmed();
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
