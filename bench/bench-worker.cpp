// A second program for the key-allocation benchmark: opens a database the way the program
// does and hands out keys, either through the program's allocator or, as the baseline, with
// one plain UPDATE per key. Prints the number of keys it got.
//
//   bench-worker allocator|plain sqlite PATH COUNT
//   bench-worker allocator|plain odbc "DSN=…;UID=…;PWD=;DATABASE=…" COUNT

#include "DbDatabase.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    clsConnect connection;
    if (args.at(2) == QLatin1String("odbc")) {
        connection.setOnServer(true);
        for (const QString &part : args.at(3).split(QLatin1Char(';'))) {
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
        connection.setDatabaseName(args.at(3));
    }
    if (!connection.DataInit() || !connection.DataOpen())
        return 3;
    const bool plain = args.at(1) == QLatin1String("plain");
    const int count = args.at(4).toInt();
    int done = 0;
    for (int i = 0; i < count; ++i) {
        if (plain) {
            DbError error;
            int affected = 0;
            if (connection.DBObject()->execute(QStringLiteral("UPDATE tblTableIds SET lngNextID=lngNextID+1 WHERE strTableName='tblBench'"), &affected, error) && affected == 1)
                ++done;
        } else if (connection.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID")) != 0) {
            ++done;
        }
    }
    std::printf("%d\n", done);
    return done == count ? 0 : 1;
}
