#include "TableRecord.h"

#include "DbSnapshot.h"
#include "RecordValues.h"
#include "SqlLiterals.h"

TableRecord::TableRecord(EngineErrors handling, const QString &table, QList<Binding> columns,
    Checks checks, const QString &orderBy)
    : RecordBase(handling)
    , m_table(table)
    , m_columns(std::move(columns))
    , m_key(std::get<qint32 *>(m_columns.first().property))
    , m_checks(checks)
    , m_orderBy(orderBy)
{
    checkRowsOf(m_table, m_columns.first().name);
}

TableRecord::~TableRecord() = default;

void TableRecord::stored(StoredChange change)
{
    Q_UNUSED(change);
}

bool TableRecord::AddNew()
{
    const auto check = [this] { return m_checks != Checks::OnAddAndReplace || Check(); };
    if (!addNewRow(*m_key, check))
        return false;
    stored(StoredChange::Inserted);
    return true;
}

bool TableRecord::Replace()
{
    if (!replaceRow(*m_key, [this] { return m_checks == Checks::None || Check(); }))
        return false;
    stored(StoredChange::Updated);
    return true;
}

bool TableRecord::Delete()
{
    if (!deleteRowWithKey(*m_key))
        return false;
    stored(StoredChange::Deleted);
    return true;
}

QString TableRecord::BuildSelectSql(bool withKey) const
{
    QString sql = QStringLiteral("SELECT ") + columnList() + QStringLiteral("FROM ") + m_table
        + QLatin1Char(' ');
    if (withKey)
        sql += QStringLiteral("WHERE ") + m_columns.first().name + QLatin1Char('=')
            + SQLLong(*m_key);
    return sql + m_orderBy;
}

void TableRecord::CopyFields(const DbSnapshot &rs)
{
    for (const Binding &column : m_columns) {
        const QVariant value = rs.field(QStringView(column.name));
        if (auto *number = std::get_if<qint32 *>(&column.property))
            **number = NullToLong(value);
        else if (auto *small = std::get_if<qint16 *>(&column.property))
            **small = NullToInteger(value);
        else if (auto *text = std::get_if<QString *>(&column.property))
            **text = NullToText(value);
        else
            *std::get<QDateTime *>(column.property) = DateField(value);
    }
}

QList<ColumnValue> TableRecord::columnValues() const
{
    QList<ColumnValue> values;
    values.reserve(m_columns.size());
    for (const Binding &column : m_columns) {
        QString literal;
        if (auto *number = std::get_if<qint32 *>(&column.property))
            literal = SQLLong(**number);
        else if (auto *small = std::get_if<qint16 *>(&column.property))
            literal = SQLLong(**small);
        else if (auto *text = std::get_if<QString *>(&column.property))
            literal = SQLText(**text);
        else
            literal = DateLiteral(*std::get<QDateTime *>(column.property));
        values.append({ column.name, literal });
    }
    return values;
}
