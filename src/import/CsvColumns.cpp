#include "CsvColumns.h"

#include <QHash>

namespace {

QString key(const QString &heading)
{
    QString folded = heading.toCaseFolded();
    folded.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    return folded;
}

const QHash<QString, CsvField> &synonyms()
{
    static const QHash<QString, CsvField> table {
        { QStringLiteral("id"), CsvField::Key },
        { QStringLiteral("sermonid"), CsvField::Key },
        { QStringLiteral("title"), CsvField::Title },
        { QStringLiteral("sermontitle"), CsvField::Title },
        { QStringLiteral("passage"), CsvField::Passage },
        { QStringLiteral("biblereference"), CsvField::Passage },
        { QStringLiteral("reference"), CsvField::Passage },
        { QStringLiteral("scripture"), CsvField::Passage },
        { QStringLiteral("text"), CsvField::Passage },
        { QStringLiteral("date"), CsvField::Date },
        { QStringLiteral("datepreached"), CsvField::Date },
        { QStringLiteral("preached"), CsvField::Date },
        { QStringLiteral("preacher"), CsvField::Preacher },
        { QStringLiteral("speaker"), CsvField::Preacher },
        { QStringLiteral("type"), CsvField::Type },
        { QStringLiteral("sermontype"), CsvField::Type },
        { QStringLiteral("series"), CsvField::Series },
        { QStringLiteral("bigidea"), CsvField::BigIdea },
        { QStringLiteral("theme"), CsvField::BigIdea },
        { QStringLiteral("location"), CsvField::Location },
        { QStringLiteral("place"), CsvField::Location },
        { QStringLiteral("church"), CsvField::Location },
        { QStringLiteral("outline"), CsvField::Outline },
        { QStringLiteral("notes"), CsvField::Outline },
        { QStringLiteral("topics"), CsvField::Topics },
        { QStringLiteral("topic"), CsvField::Topics },
        { QStringLiteral("keywords"), CsvField::Topics },
    };
    return table;
}

} // namespace

namespace CsvColumns {

QList<CsvField> fields()
{
    return { CsvField::Ignore, CsvField::Key, CsvField::Title, CsvField::Passage, CsvField::Date,
        CsvField::Preacher, CsvField::Type, CsvField::Series, CsvField::BigIdea, CsvField::Location,
        CsvField::Outline, CsvField::Topics };
}

QString name(CsvField field)
{
    switch (field) {
    case CsvField::Ignore:
        return QStringLiteral("(not imported)");
    case CsvField::Key:
        return QStringLiteral("ID");
    case CsvField::Title:
        return QStringLiteral("Title");
    case CsvField::Passage:
        return QStringLiteral("Passage");
    case CsvField::Date:
        return QStringLiteral("Date");
    case CsvField::Preacher:
        return QStringLiteral("Preacher");
    case CsvField::Type:
        return QStringLiteral("Type");
    case CsvField::Series:
        return QStringLiteral("Series");
    case CsvField::BigIdea:
        return QStringLiteral("Big Idea");
    case CsvField::Location:
        return QStringLiteral("Location");
    case CsvField::Outline:
        return QStringLiteral("Outline");
    case CsvField::Topics:
        return QStringLiteral("Topics");
    }
    return QString();
}

QStringList exportHeadings()
{
    return { QStringLiteral("ID"), QStringLiteral("Bible Reference"), QStringLiteral("Preacher"),
        QStringLiteral("Title"), QStringLiteral("Big Idea"), QStringLiteral("Date Preached"),
        QStringLiteral("Location"), QStringLiteral("Series"), QStringLiteral("Topics") };
}

bool isExportedList(const QStringList &headings)
{
    return headings == exportHeadings();
}

QList<CsvField> guess(const QStringList &headings)
{
    QList<CsvField> out;
    QList<CsvField> given;
    for (const QString &heading : headings) {
        CsvField field = synonyms().value(key(heading), CsvField::Ignore);
        if (given.contains(field))
            field = CsvField::Ignore;
        if (field != CsvField::Ignore)
            given.append(field);
        out.append(field);
    }
    return out;
}

QStringList splitTopics(const QString &text)
{
    QStringList topics;
    for (const QString &part : text.split(QLatin1Char(';'))) {
        const QString topic = part.trimmed();
        if (!topic.isEmpty() && !topics.contains(topic))
            topics.append(topic);
    }
    return topics;
}

} // namespace CsvColumns
