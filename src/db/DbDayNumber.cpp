#include "DbDayNumber.h"

namespace {

// The zero date stands for an empty date field.
QString withoutZeroDate(const QString &expression)
{
    return QStringLiteral("NULLIF(") + expression + QStringLiteral(", 18991230)");
}

} // namespace

QString DbDayNumber::sqliteSql(const QString &column)
{
    const QString c = column;
    const QString iso = QStringLiteral("CAST(substr(%1, 1, 4) || substr(%1, 6, 2) || "
                                       "substr(%1, 9, 2) AS INTEGER)")
                            .arg(c);
    // M/d/yyyy: the month before the first slash, the day before the second, the year after.
    const QString rest = QStringLiteral("substr(%1, instr(%1, '/') + 1)").arg(c);
    const QString us = QStringLiteral("(CAST(substr(%2, instr(%2, '/') + 1, 4) AS INTEGER) * 10000 "
                                      "+ CAST(substr(%1, 1, instr(%1, '/') - 1) AS INTEGER) * 100 "
                                      "+ CAST(substr(%2, 1, instr(%2, '/') - 1) AS INTEGER))")
                           .arg(c, rest);
    return withoutZeroDate(QStringLiteral("CASE WHEN %1 GLOB "
                                          "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*' THEN ")
                               .arg(c)
        + iso + QStringLiteral(" WHEN %1 GLOB '[0-9]*/[0-9]*/[0-9][0-9][0-9][0-9]*' THEN ").arg(c)
        + us + QStringLiteral(" END"));
}

QString DbDayNumber::serverSql(const QString &column)
{
    // date_part computes in double precision, which holds these whole numbers exactly; EXTRACT
    // would compute in PostgreSQL's much slower numeric type.
    return withoutZeroDate(
        QStringLiteral("CAST(date_part('year', %1) * 10000 + date_part('month', %1) * 100 "
                       "+ date_part('day', %1) AS INTEGER)")
            .arg(column));
}

QString DbDayNumber::serverYearSql(const QString &column)
{
    // The zero date is tested on the column itself (any time of that day), as serverSql's
    // NULLIF tests its day number.
    return QStringLiteral("CASE WHEN %1 >= TIMESTAMP '1899-12-30 00:00:00' AND %1 < TIMESTAMP "
                          "'1899-12-31 00:00:00' THEN NULL ELSE CAST(date_part('year', %1) AS "
                          "INTEGER) * 10000 END")
        .arg(column);
}

QString DbDayNumber::serverDateSql(const QString &column)
{
    return QStringLiteral("NULLIF(CAST(%1 AS DATE), DATE '1899-12-30')").arg(column);
}
