#include "LookupRecord.h"

#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <utility>

LookupRecord::LookupRecord(Table table)
    : RecordBase(EngineErrors::Trapped)
    , m_table(std::move(table))
{
}

LookupRecord::~LookupRecord() = default;

bool LookupRecord::Check()
{
    if (TrimBlanks(m_text).isEmpty()) {
        setInfoMessage(QCoreApplication::translate("LookupRecord", "%1 Must Be Filled In.")
                           .arg(m_table.label));
        return false;
    }
    return true;
}

QString LookupRecord::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + m_table.keyColumn + QStringLiteral(", ")
        + m_table.textColumn + QStringLiteral(" FROM ") + m_table.name + QLatin1Char(' ');
    if (withKey)
        sql += QStringLiteral("WHERE ") + m_table.keyColumn + QLatin1Char('=') + SQLLong(m_key);
    return sql;
}

void LookupRecord::CopyFields(const DbSnapshot &rs)
{
    m_key = NullToLong(rs.field(m_table.keyColumn));
    m_text = NullToText(rs.field(m_table.textColumn));
}
