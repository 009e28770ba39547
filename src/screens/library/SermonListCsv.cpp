#include "SermonListCsv.h"

#include "ExportFile.h"

#include <QCoreApplication>

QStringList SermonListCsv::headings()
{
    // In the interface's language: the file is for the user's spreadsheet.
    return { QCoreApplication::translate("SermonListCsv", "ID"),
        QCoreApplication::translate("SermonListCsv", "Bible Reference"),
        QCoreApplication::translate("SermonListCsv", "Preacher"),
        QCoreApplication::translate("SermonListCsv", "Title"),
        QCoreApplication::translate("SermonListCsv", "Big Idea"),
        QCoreApplication::translate("SermonListCsv", "Date Preached"),
        QCoreApplication::translate("SermonListCsv", "Location"),
        QCoreApplication::translate("SermonListCsv", "Series"),
        QCoreApplication::translate("SermonListCsv", "Topics") };
}

QString SermonListCsv::field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n\t");
    for (const QChar c : text) {
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

QByteArray SermonListCsv::document(const QList<SermonExportRow> &rows, bool byteOrderMark)
{
    auto line = [](const QStringList &fields) -> QString {
        QStringList written;
        for (const QString &f : fields)
            written.append(field(f));
        return written.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString text = line(headings());
    for (const SermonExportRow &row : rows) {
        // ISO dates: a spreadsheet reads them the same in every country.
        const QString date = !row.datePreached.isValid() ? QString()
            : row.datePreached.time() == QTime(0, 0)
            ? row.datePreached.toString(QStringLiteral("yyyy-MM-dd"))
            : row.datePreached.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        text += line({ QString::number(row.sermonId), row.reference, row.preacher, row.title,
            row.bigIdea, date, row.location, row.series, row.topics.join(QStringLiteral("; ")) });
    }
    QByteArray bytes = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    return bytes + text.toUtf8();
}

bool SermonListCsv::write(
    const QString &path, const QList<SermonExportRow> &rows, bool byteOrderMark, QString &failure)
{
    return ExportFile::write(path, document(rows, byteOrderMark), failure);
}
