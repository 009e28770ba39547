#include "CsvColumns.h"

#include "ProgramTranslation.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The headings File > Export writes, in its order, as the export translates them.
const char *const ExportedHeadings[] = { QT_TRANSLATE_NOOP("SermonListCsv", "ID"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Bible Reference"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Preacher"), QT_TRANSLATE_NOOP("SermonListCsv", "Title"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Big Idea"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Date Preached"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Location"), QT_TRANSLATE_NOOP("SermonListCsv", "Series"),
    QT_TRANSLATE_NOOP("SermonListCsv", "Topics") };
const CsvField ExportedFields[]
    = { CsvField::Key, CsvField::Passage, CsvField::Preacher, CsvField::Title, CsvField::BigIdea,
          CsvField::Date, CsvField::Location, CsvField::Series, CsvField::Topics };

// Case, blanks, punctuation and accents do not tell headings apart: "Título" is "titulo".
QString key(const QString &heading)
{
    QString folded = heading.normalized(QString::NormalizationForm_D).toCaseFolded();
    folded.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    return folded;
}

// The list as the export writes it in each language the program speaks: a list written with
// the Spanish interface is the program's own under the English one too.
const QList<QStringList> &exportedLists()
{
    static const QList<QStringList> lists = [] {
        QList<QStringList> out;
        for (const QString &language : ProgramTranslation::languages()) {
            QStringList headings;
            for (const char *heading : ExportedHeadings)
                headings.append(ProgramTranslation::textIn(language, "SermonListCsv", heading));
            if (!out.contains(headings))
                out.append(headings);
        }
        return out;
    }();
    return lists;
}

QHash<QString, CsvField> synonymTable()
{
    QHash<QString, CsvField> table {
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
        // The usual Spanish names, accents dropped as key() drops them.
        { QStringLiteral("titulo"), CsvField::Title },
        { QStringLiteral("pasaje"), CsvField::Passage },
        { QStringLiteral("referencia"), CsvField::Passage },
        { QStringLiteral("referenciabiblica"), CsvField::Passage },
        { QStringLiteral("cita"), CsvField::Passage },
        { QStringLiteral("citabiblica"), CsvField::Passage },
        { QStringLiteral("fecha"), CsvField::Date },
        { QStringLiteral("fechapredicado"), CsvField::Date },
        { QStringLiteral("fechadepredicacion"), CsvField::Date },
        { QStringLiteral("predicado"), CsvField::Date },
        { QStringLiteral("predicador"), CsvField::Preacher },
        { QStringLiteral("tipo"), CsvField::Type },
        { QStringLiteral("tipodesermon"), CsvField::Type },
        { QStringLiteral("serie"), CsvField::Series },
        { QStringLiteral("ideacentral"), CsvField::BigIdea },
        { QStringLiteral("lugar"), CsvField::Location },
        { QStringLiteral("iglesia"), CsvField::Location },
        { QStringLiteral("bosquejo"), CsvField::Outline },
        { QStringLiteral("notas"), CsvField::Outline },
        { QStringLiteral("temas"), CsvField::Topics },
        { QStringLiteral("tema"), CsvField::Topics },
        { QStringLiteral("palabrasclave"), CsvField::Topics },
    };
    // And whatever a translation of the export calls its columns.
    for (const QStringList &headings : exportedLists()) {
        for (qsizetype i = 0; i < headings.size(); ++i)
            table.insert(key(headings.at(i)), ExportedFields[i]);
    }
    return table;
}

const QHash<QString, CsvField> &synonyms()
{
    static const QHash<QString, CsvField> table = synonymTable();
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
        return QCoreApplication::translate("CsvColumns", "(not imported)");
    case CsvField::Key:
        return QCoreApplication::translate("CsvColumns", "ID");
    case CsvField::Title:
        return QCoreApplication::translate("CsvColumns", "Title");
    case CsvField::Passage:
        return QCoreApplication::translate("CsvColumns", "Passage");
    case CsvField::Date:
        return QCoreApplication::translate("CsvColumns", "Date");
    case CsvField::Preacher:
        return QCoreApplication::translate("CsvColumns", "Preacher");
    case CsvField::Type:
        return QCoreApplication::translate("CsvColumns", "Type");
    case CsvField::Series:
        return QCoreApplication::translate("CsvColumns", "Series");
    case CsvField::BigIdea:
        return QCoreApplication::translate("CsvColumns", "Big Idea");
    case CsvField::Location:
        return QCoreApplication::translate("CsvColumns", "Location");
    case CsvField::Outline:
        return QCoreApplication::translate("CsvColumns", "Outline");
    case CsvField::Topics:
        return QCoreApplication::translate("CsvColumns", "Topics");
    }
    return QString();
}

QStringList exportHeadings()
{
    QStringList headings;
    for (const char *heading : ExportedHeadings)
        headings.append(QString::fromLatin1(heading));
    return headings;
}

bool isExportedList(const QStringList &headings)
{
    return exportedLists().contains(headings);
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
