#include "BibleNames.h"

#include <QFile>

const QStringList &BibleNames::words()
{
    // The list is a resource of its own (bible-names.txt): lines starting with "#" are notes.
    static const QStringList list = [] {
        QStringList names;
        QFile file(QStringLiteral(":/spelling/bible-names.txt"));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                    names.append(line.trimmed());
            }
        }
        return names;
    }();
    return list;
}
