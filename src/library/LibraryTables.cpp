#include "LibraryTables.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SchemaScript.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

LibraryColumn::Kind kindOf(const QString &name)
{
    if (name.startsWith(QLatin1String("str")))
        return LibraryColumn::Kind::Text;
    if (name.startsWith(QLatin1String("dt")))
        return LibraryColumn::Kind::Date;
    return LibraryColumn::Kind::Integer;
}

// One CREATE TABLE statement of the schema script: a column per line, named with its type
// prefix; "PRIMARY KEY" on a column's line or as a "PRIMARY KEY (a, b)" line.
LibraryTable parseTable(const QString &statement)
{
    static const QRegularExpression head(QStringLiteral("^CREATE TABLE (\\w+)"));
    static const QRegularExpression column(QStringLiteral("^((?:lng|int|str|dt)[A-Z]\\w*)\\s"));
    static const QRegularExpression pairKey(QStringLiteral("^PRIMARY KEY \\(([^)]*)\\)"));
    LibraryTable table;
    table.name = head.match(statement).captured(1);
    const QStringList lines = statement.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (const auto key = pairKey.match(line); key.hasMatch()) {
            for (const QString &name : key.captured(1).split(QLatin1Char(',')))
                table.keyColumns.append(name.trimmed());
            continue;
        }
        const auto found = column.match(line);
        if (!found.hasMatch())
            continue;
        table.columns.append({ found.captured(1), kindOf(found.captured(1)) });
        if (line.contains(QLatin1String("PRIMARY KEY")))
            table.keyColumns.append(found.captured(1));
    }
    if (table.keyColumns.isEmpty()) {
        for (const LibraryColumn &c : std::as_const(table.columns))
            table.keyColumns.append(c.name);
    }
    return table;
}

QList<LibraryTable> parseSchema()
{
    // Tables added after the first libraries were delivered.
    static const QStringList later { QStringLiteral("tblImportBatches"),
        QStringLiteral("tblImportSermons"), QStringLiteral("tblRecordings"),
        QStringLiteral("tblPublishSettings") };
    QList<LibraryTable> tables;
    const QString script = SchemaScript::tablesScript(SchemaScript::Dialect::SQLite);
    for (const QString &statement : SchemaScript::statements(script)) {
        if (statement.startsWith(QLatin1String("CREATE TABLE"))) {
            tables.append(parseTable(statement));
            tables.last().optional = later.contains(tables.last().name);
        }
    }
    return tables;
}

} // namespace

QString LibraryTable::columnList() const
{
    QStringList names;
    for (const LibraryColumn &c : columns)
        names.append(c.name);
    return names.join(QStringLiteral(", "));
}

bool LibraryTable::keyIsText() const
{
    for (const LibraryColumn &c : columns) {
        if (keyColumns.contains(c.name) && c.kind != LibraryColumn::Kind::Integer)
            return true;
    }
    return false;
}

const QList<LibraryTable> &LibraryTables::all()
{
    static const QList<LibraryTable> tables = parseSchema();
    return tables;
}

QString LibraryTables::missingPart(DbDatabase &database, DbError &error)
{
    error.clear();
    for (const LibraryTable &table : all()) {
        if (table.optional && !has(database, table.name))
            continue;
        auto probe = database.openSnapshot(
            QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table.name), error);
        if (!probe)
            return QCoreApplication::translate("LibraryTables", "the table %1 is missing")
                .arg(table.name);
        for (const LibraryColumn &c : table.columns) {
            if (probe->fieldIndex(c.name) < 0)
                return QCoreApplication::translate("LibraryTables", "the table %1 has no column %2")
                    .arg(table.name, c.name);
        }
    }
    return QString();
}

bool LibraryTables::has(DbDatabase &database, const QString &table)
{
    DbError ignored;
    return database.openSnapshot(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table), ignored)
        != nullptr;
}

QList<LibraryTable> LibraryTables::presentIn(DbDatabase &database, DbError &error)
{
    error.clear();
    QList<LibraryTable> tables;
    for (const LibraryTable &table : all()) {
        if (!table.optional || has(database, table.name))
            tables.append(table);
    }
    return tables;
}
