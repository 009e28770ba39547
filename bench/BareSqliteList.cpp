#include "BareSqliteList.h"

#include <sqlite3.h>

namespace {

QString columnText(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, column)) : QString();
}

} // namespace

BareSqliteList::BareSqliteList(const QString &file)
{
    if (sqlite3_open_v2(file.toUtf8().constData(), &m_handle, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK)
        m_problem = QString::fromUtf8(sqlite3_errmsg(m_handle));
}

BareSqliteList::~BareSqliteList()
{
    sqlite3_close(m_handle);
}

QStringList BareSqliteList::rows(const QString &sql)
{
    QStringList grid;
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (!m_problem.isEmpty()
        || sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &statement, nullptr)
            != SQLITE_OK) {
        m_problem = QString::fromUtf8(sqlite3_errmsg(m_handle));
        return grid;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const QString bigIdea = columnText(statement, 3);
        grid.append(QString::number(sqlite3_column_int64(statement, 0)) + QLatin1Char('\t')
            + columnText(statement, 1) + QLatin1Char('\t') + columnText(statement, 2)
            + QLatin1Char('\t')
            + (bigIdea.isEmpty() ? columnText(statement, 4) + QLatin1Char(' ') : bigIdea));
    }
    sqlite3_finalize(statement);
    return grid;
}
