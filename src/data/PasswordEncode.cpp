#include "PasswordEncode.h"

#include "SqlLiterals.h"

QString PasswordEncode(const QString &typed)
{
    static const QString plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
    static const QString substitute = QStringLiteral("Q7XK_2MLZ9AEHV0RJ1YD5BWN3TCF8GI6OUS4P");
    const QString upper = TrimBlanks(typed).toUpper();
    QString encoded;
    encoded.reserve(upper.size());
    for (const QChar c : upper) {
        const qsizetype position = plain.indexOf(c);
        encoded += position >= 0 ? substitute.at(position) : QLatin1Char('?');
    }
    return encoded;
}
