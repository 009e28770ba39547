#include "LibraryArgument.h"

#include "DbDatabase.h"

#include <QRegularExpression>

std::unique_ptr<DbDatabase> openLibraryArgument(const QString &text, DbError &error)
{
    static const QRegularExpression odbc(QStringLiteral("^(ODBC;|DSN=|DRIVER=|FILEDSN=)"),
        QRegularExpression::CaseInsensitiveOption);
    if (!odbc.match(text).hasMatch())
        return DbDatabase::openFile(text, error);
    QString connect = text;
    if (connect.startsWith(QLatin1String("ODBC;"), Qt::CaseInsensitive))
        connect = connect.mid(5);
    return DbDatabase::openOdbc(connect, error);
}
