#include "CsvImport.h"

#include "CsvTable.h"
#include "ImportFacts.h"
#include "ImportLimits.h"
#include "ImportNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace CsvImport {

Sheet fromText(const QString &path, const QString &text)
{
    Sheet sheet;
    sheet.path = path;
    QList<QStringList> records;
    if (!CsvTable::parse(text, CsvTable::detectSeparator(text), records, sheet.error))
        return sheet;
    if (records.isEmpty()) {
        sheet.error = QCoreApplication::translate(
            "CsvImport", "The file holds no headings and no sermons.");
        return sheet;
    }
    sheet.headings = records.takeFirst();
    sheet.records = records;
    return sheet;
}

Sheet read(const QString &path)
{
    QFile file(path);
    Sheet sheet;
    sheet.path = path;
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.error = file.errorString();
        return sheet;
    }
    if (file.size() > ImportLimits::FileBytes) {
        sheet.error = QCoreApplication::translate("CsvImport", "The file is larger than 20 MB.");
        return sheet;
    }
    return fromText(path, CsvTable::decode(file.readAll()));
}

bool parseDate(const QString &text, QDate &date, QTime &time)
{
    const QString trimmed = text.trimmed();
    time = QTime(0, 0);
    const QDateTime moment = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (moment.isValid()) {
        date = moment.date();
        time = moment.time();
        return true;
    }
    date = ImportFacts::findDate(trimmed);
    return date.isValid();
}

QList<ImportRow> rows(const Sheet &sheet, const QList<CsvField> &columns,
    const ImportReview &review, const ImportNames &names, const ImportReview::Defaults &defaults)
{
    QList<ImportRow> out;
    const QFileInfo info(sheet.path);
    const bool ownList = CsvColumns::isExportedList(sheet.headings);
    int line = 1;
    for (const QStringList &record : sheet.records) {
        ++line;
        ImportRow row;
        row.source = { sheet.path, QString(),
            QCoreApplication::translate("CsvImport", "%1, row %2").arg(info.fileName()).arg(line),
            QString(), info.lastModified(), QString() };
        row.preacher = defaults.preacher;
        row.type = defaults.type;
        row.location = defaults.location;
        QString passage;
        for (int i = 0; i < columns.size() && i < record.size(); ++i) {
            const QString &value = record.at(i);
            switch (columns.at(i)) {
            case CsvField::Ignore:
                break;
            case CsvField::Key:
                row.wantedKey = qMax(0, value.trimmed().toInt());
                break;
            case CsvField::Title:
                row.title = value;
                break;
            case CsvField::Passage:
                passage = value;
                break;
            case CsvField::Date:
                // A date that cannot be read leaves the sermon without one, as an empty one.
                parseDate(value, row.date, row.timeOfDay);
                break;
            case CsvField::Preacher:
                row.preacher = value.simplified();
                break;
            case CsvField::Type:
                row.type = value.simplified();
                break;
            case CsvField::Series:
                row.series = value.simplified();
                break;
            case CsvField::BigIdea:
                row.bigIdea = value;
                break;
            case CsvField::Location:
                row.location = value;
                break;
            case CsvField::Outline:
                row.outline = value;
                break;
            case CsvField::Topics:
                row.topics = CsvColumns::splitTopics(value);
                break;
            }
        }
        // A list from elsewhere gets the program's own form of the reference; the program's own
        // list keeps the reference as it was stored, so export and import give the same bytes.
        review.setPassage(row, passage);
        if (row.bookID > 0 && ownList)
            row.passage = passage.trimmed();
        names.resolve(row);
        out.append(row);
    }
    return out;
}

} // namespace CsvImport
