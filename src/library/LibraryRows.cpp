#include "LibraryRows.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString kDateForm = QStringLiteral("yyyy-MM-dd hh:mm:ss");

bool canonical(LibraryColumn::Kind kind, const QVariant &raw, QVariant &value)
{
    if (raw.isNull() || !raw.isValid()) {
        value = QVariant();
        return true;
    }
    switch (kind) {
    case LibraryColumn::Kind::Integer: {
        bool ok = false;
        const qlonglong number = raw.toLongLong(&ok);
        value = number;
        return ok;
    }
    case LibraryColumn::Kind::Text:
        value = raw.toString();
        return true;
    case LibraryColumn::Kind::Date: {
        const QDateTime date = DateFromValue(raw);
        if (!date.isValid())
            return false;
        // The clock reading as stored, never moved between time zones.
        value = QString(date.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
            + date.time().toString(QStringLiteral("hh:mm:ss")));
        return true;
    }
    }
    return false;
}

QString describeKey(const LibraryTable &table, const QVariantList &row)
{
    QStringList parts;
    for (int i = 0; i < table.columns.size() && i < row.size(); ++i) {
        if (table.keyColumns.contains(table.columns.at(i).name))
            parts.append(table.columns.at(i).name + QLatin1Char('=') + row.at(i).toString());
    }
    return parts.join(QStringLiteral(", "));
}

bool keyLess(const LibraryTable &table, const QVariantList &a, const QVariantList &b)
{
    for (int i = 0; i < table.columns.size(); ++i) {
        if (!table.keyColumns.contains(table.columns.at(i).name))
            continue;
        const QVariant &x = a.at(i);
        const QVariant &y = b.at(i);
        if (x.isNull() != y.isNull())
            return x.isNull();
        const int order = table.columns.at(i).kind == LibraryColumn::Kind::Integer
            ? (x.toLongLong() < y.toLongLong()        ? -1
                    : x.toLongLong() > y.toLongLong() ? 1
                                                      : 0)
            : x.toString().compare(y.toString());
        if (order != 0)
            return order < 0;
    }
    return false;
}

} // namespace

bool LibraryRows::read(
    DbDatabase &database, const LibraryTable &table, const RowSink &sink, DbError &error)
{
    error.clear();
    const bool sortHere = table.keyIsText();
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(table.columnList(), table.name);
    if (!sortHere)
        sql += QStringLiteral(" ORDER BY ") + table.keyColumns.join(QStringLiteral(", "));
    auto rows = database.openSnapshot(sql, error);
    if (!rows)
        return false;
    const int width = int(table.columns.size());
    QList<QVariantList> held; // only a text-keyed table, a handful of rows
    QVariantList row;
    for (; !rows->eof(); rows->moveNext()) {
        row.resize(width);
        for (int i = 0; i < width; ++i) {
            const QVariant raw = rows->field(i);
            if (!canonical(table.columns.at(i).kind, raw, row[i])) {
                error.number = DbErrorNumber::ValueOutOfRange;
                error.driverText = (table.columns.at(i).kind == LibraryColumn::Kind::Date
                        ? QCoreApplication::translate(
                            "LibraryRows", "%1 (%2): %3 holds \"%4\", which is not a date")
                        : QCoreApplication::translate(
                            "LibraryRows", "%1 (%2): %3 holds \"%4\", which is not a whole number"))
                                       .arg(table.name, describeKey(table, row),
                                           table.columns.at(i).name, raw.toString());
                error.sql = sql;
                return false;
            }
        }
        if (sortHere)
            held.append(row);
        else if (!sink(row))
            return false;
    }
    if (rows->lastError().isSet()) {
        error = rows->lastError();
        return false;
    }
    if (sortHere) {
        std::sort(held.begin(), held.end(), [&table](const QVariantList &a, const QVariantList &b) {
            return keyLess(table, a, b);
        });
        for (const QVariantList &r : std::as_const(held)) {
            if (!sink(r))
                return false;
        }
    }
    return true;
}

QString LibraryRows::literal(LibraryColumn::Kind kind, const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (kind) {
    case LibraryColumn::Kind::Integer:
        return QString::number(value.toLongLong());
    case LibraryColumn::Kind::Text:
        return SQLQuoted(value.toString());
    case LibraryColumn::Kind::Date: {
        QString text = value.toString();
        if (text.endsWith(QLatin1String(" 00:00:00")))
            text.chop(9);
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    }
    return QStringLiteral("NULL");
}
