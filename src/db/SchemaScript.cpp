#include "SchemaScript.h"

#include "DbDatabase.h"

#include <QFile>

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool runAll(DbDatabase &database, const QString &script, DbError &error)
{
    int affected = 0;
    for (const QString &statement : SchemaScript::statements(script)) {
        if (!database.execute(statement, &affected, error))
            return false;
    }
    return true;
}

} // namespace

QString SchemaScript::tablesScript(Dialect dialect)
{
    QString script = resourceText(QStringLiteral(":/schema/tables.sql"));
    const bool sqlite = dialect == Dialect::SQLite;
    // SQLite keeps dates as ISO text, which sorts and compares correctly.
    script.replace(QStringLiteral("{lng}"), QStringLiteral("INTEGER"));
    script.replace(
        QStringLiteral("{int}"), sqlite ? QStringLiteral("INTEGER") : QStringLiteral("SMALLINT"));
    script.replace(QStringLiteral("{str}"), QStringLiteral("TEXT"));
    script.replace(
        QStringLiteral("{dt}"), sqlite ? QStringLiteral("TEXT") : QStringLiteral("TIMESTAMP"));
    return script;
}

QString SchemaScript::shippedRowsScript()
{
    return resourceText(QStringLiteral(":/schema/rows/10-shipped.sql"));
}

QString SchemaScript::demoRowsScript()
{
    return resourceText(QStringLiteral(":/schema/rows/20-demo.sql"));
}

QStringList SchemaScript::statements(const QString &script)
{
    QStringList result;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (current.isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--"))))
            continue;
        if (!current.isEmpty())
            current += QLatin1Char('\n');
        current += line;
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            result.append(current);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        result.append(current.trimmed());
    return result;
}

bool SchemaScript::load(DbDatabase &database, bool withDemo, DbError &error)
{
    const Dialect dialect
        = database.engine() == DbDatabase::Engine::SQLite ? Dialect::SQLite : Dialect::PostgreSQL;
    if (!database.begin(error))
        return false;
    const bool loaded = runAll(database, tablesScript(dialect), error)
        && runAll(database, shippedRowsScript(), error)
        && (!withDemo || runAll(database, demoRowsScript(), error));
    if (!loaded) {
        database.rollback();
        return false;
    }
    return database.commit(error);
}
