#include "OutlineFileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kLongestBase = 120;
}

OutlineFileNames::OutlineFileNames(const QString &folder)
    : m_folder(folder)
{
}

QString OutlineFileNames::baseName(const SermonExportRow &sermon)
{
    QStringList parts;
    if (sermon.datePreached.isValid())
        parts.append(sermon.datePreached.toString(QStringLiteral("yyyy-MM-dd")));
    parts.append(sermon.reference);
    parts.append(sermon.title);
    QString name;
    for (const QChar c : parts.join(QLatin1Char(' '))) {
        if (c.category() == QChar::Other_Control || c.isSurrogate()
            || QStringLiteral("/\\:*?\"<>|").contains(c))
            name += c == QLatin1Char(':') || c == QLatin1Char('/') ? QLatin1Char('-')
                                                                   : QLatin1Char(' ');
        else
            name += c;
    }
    name = name.simplified();
    if (name.size() > kLongestBase)
        name = name.left(kLongestBase).trimmed();
    // No hidden file, no name ending in a dot (Windows drops it).
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.isEmpty())
        name = QCoreApplication::translate("OutlineFileNames", "Sermon %1").arg(sermon.sermonId);
    return name;
}

QString OutlineFileNames::next(const SermonExportRow &sermon, const QString &suffix)
{
    const QString base = baseName(sermon);
    for (int n = 1;; ++n) {
        const QString name = (n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n))
            + QLatin1Char('.') + suffix;
        const QString path = QDir(m_folder).filePath(name);
        if (!m_taken.contains(name.toLower()) && !QFileInfo::exists(path)) {
            m_taken.insert(name.toLower());
            return path;
        }
    }
}
