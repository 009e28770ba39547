#include "DbLargeGrouping.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

DbLargeGrouping::DbLargeGrouping(DbDatabase &database, int megabytes)
    : m_database(database)
{
    if (!database.isPostgres())
        return;
    DbError error;
    const auto setting
        = database.openSnapshot(QStringLiteral("SELECT current_setting('work_mem'), "
                                               "pg_size_bytes(current_setting('work_mem')), "
                                               "current_setting('enable_mergejoin')"),
            error);
    // A server that cannot say (before 9.6) keeps its settings.
    if (!setting || setting->eof())
        return;
    const QString workMemory = setting->field(0).toString();
    const QString mergeJoins = setting->field(2).toString();
    if (setting->field(1).toLongLong() < qint64(megabytes) * 1024 * 1024
        && database.execute(
            QStringLiteral("SET work_mem TO '%1MB'").arg(megabytes), nullptr, error)) {
        m_workMemory = workMemory;
    }
    if (mergeJoins != QLatin1String("off")
        && database.execute(QStringLiteral("SET enable_mergejoin TO off"), nullptr, error)) {
        m_mergeJoins = mergeJoins;
    }
}

DbLargeGrouping::~DbLargeGrouping()
{
    restore("work_mem", m_workMemory);
    restore("enable_mergejoin", m_mergeJoins);
}

void DbLargeGrouping::restore(const char *setting, const QString &value)
{
    if (value.isEmpty())
        return;
    DbError error;
    m_database.execute(
        QStringLiteral("SET ") + QLatin1String(setting) + QStringLiteral(" TO ") + SQLText(value),
        nullptr, error);
}
