#include "DbWorkMemory.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

DbWorkMemory::DbWorkMemory(DbDatabase &database, int megabytes)
    : m_database(database)
{
    if (!database.isPostgres())
        return;
    DbError error;
    const auto setting
        = database.openSnapshot(QStringLiteral("SELECT current_setting('work_mem'), "
                                               "pg_size_bytes(current_setting('work_mem'))"),
            error);
    // A server that cannot say (before 9.6) keeps its setting.
    if (!setting || setting->eof()
        || setting->field(1).toLongLong() >= qint64(megabytes) * 1024 * 1024)
        return;
    const QString previous = setting->field(0).toString();
    if (database.execute(QStringLiteral("SET work_mem TO '%1MB'").arg(megabytes), nullptr, error))
        m_previous = previous;
}

DbWorkMemory::~DbWorkMemory()
{
    if (m_previous.isEmpty())
        return;
    DbError error;
    m_database.execute(QStringLiteral("SET work_mem TO ") + SQLText(m_previous), nullptr, error);
}
