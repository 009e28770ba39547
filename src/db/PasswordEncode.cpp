#include "PasswordEncode.h"

#include "SqlLiterals.h"

QString PasswordEncode(const QString &typed)
{
    static const QString plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
    static const QString substitute = QStringLiteral("Q7XK_2MLZ9AEHV0RJ1YD5BWN3TCF8GI6OUS4P");
    const QString trimmed = TrimBlanks(typed);
    QString encoded;
    encoded.reserve(trimmed.size());
    // One character gives one symbol. Only a to z are raised to capitals: a full Unicode
    // mapping would turn "ß" into "SS" and "ı" into "I", and so let another password in.
    for (const QChar c : trimmed) {
        const QChar upper
            = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 'a' + 'A') : c;
        const qsizetype position = plain.indexOf(upper);
        encoded += position >= 0 ? substitute.at(position) : QLatin1Char('?');
    }
    return encoded;
}
