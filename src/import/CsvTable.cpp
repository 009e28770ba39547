#include "CsvTable.h"

#include "TextDecoding.h"

#include <QCoreApplication>

namespace CsvTable {

QString decode(const QByteArray &bytes)
{
    return TextDecoding::decode(bytes);
}

QChar detectSeparator(const QString &text)
{
    const QChar candidates[] = { QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t') };
    int counts[3] = { 0, 0, 0 };
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted; // a doubled quote toggles twice: no harm
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted) {
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
        }
    }
    int best = 0;
    for (int i = 1; i < 3; ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return candidates[best];
}

bool parse(const QString &text, QChar separator, QList<QStringList> &records, QString &error)
{
    records.clear();
    QStringList record;
    QString field;
    bool quoted = false; // inside a quoted field
    bool closed = false; // after a quoted field's closing quote
    bool fieldStarted = false;
    int line = 1;
    int recordLine = 1;
    auto endRecord = [&] {
        record.append(field);
        // A blank line is one empty field: no record.
        if (record.size() > 1 || !record.first().isEmpty() || closed)
            records.append(record);
        record.clear();
        field.clear();
        closed = fieldStarted = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                    closed = true;
                }
            } else {
                line += c == QLatin1Char('\n') ? 1 : 0;
                field.append(c);
            }
            continue;
        }
        if (c == separator) {
            record.append(field);
            field.clear();
            closed = fieldStarted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRecord();
            recordLine = ++line;
        } else if (closed) {
            error
                = QCoreApplication::translate("CsvTable", "Line %1: text follows a closing quote.")
                      .arg(line);
            return false;
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else {
            // A quote inside an unquoted field is taken as written, as spreadsheets do.
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = QCoreApplication::translate("CsvTable", "Line %1: a quoted field is never closed.")
                    .arg(recordLine);
        return false;
    }
    if (!field.isEmpty() || !record.isEmpty() || closed)
        endRecord();
    return true;
}

} // namespace CsvTable
