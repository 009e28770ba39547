// A second program for the key-allocation benchmark: opens a database the way the program
// does and hands out keys, either through the program's allocator or, as the baseline, with
// one plain UPDATE per key. Prints the number of keys it got.
//
//   bench-worker allocator|plain sqlite PATH COUNT
//   bench-worker allocator|plain odbc "DSN=…;UID=…;PWD=;DATABASE=…" COUNT

#include "DbDatabase.h"
#include "WorkerConnection.h"
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
    PointWorkerConnectionAt(connection, args.at(2), args.at(3));
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
