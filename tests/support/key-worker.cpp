// A second program for the concurrency tests: opens a database like the program does and
// allocates keys, printing one per line. Several run at once against one database.
//
//   key-worker sqlite PATH COUNT TABLE KEYCOLUMN
//   key-worker odbc CONNECT COUNT TABLE KEYCOLUMN

#include "clsConnect.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    clsConnect connection;
    if (args.at(1) == QLatin1String("odbc")) {
        connection.setOnServer(true);
        // "DSN=x;UID=y;PWD=;DATABASE=z": split into the connection's fields.
        for (const QString &part : args.at(2).split(QLatin1Char(';'))) {
            const QString key = part.section(QLatin1Char('='), 0, 0).toUpper();
            const QString value = part.section(QLatin1Char('='), 1);
            if (key == QLatin1String("DSN"))
                connection.setDSN(value);
            else if (key == QLatin1String("UID"))
                connection.setLoginID(value);
            else if (key == QLatin1String("DATABASE"))
                connection.setDatabaseName(value);
        }
    } else {
        connection.setDatabaseName(args.at(2));
    }
    if (!connection.DataInit() || !connection.DataOpen())
        return 3;
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        const qint32 key = connection.TableIDGet(args.at(4), args.at(5));
        if (key == 0)
            return 4;
        std::printf("%d\n", key);
    }
    return 0;
}
