// A second program for the key-allocation benchmark: opens a database the way the program
// does and hands out keys, either through the program's allocator or, as the baselines, with
// one plain UPDATE per key, or one UPDATE … RETURNING that also reads the key back. Prints the
// number of keys it got.
//
//   bench-worker allocator|plain|returning sqlite PATH COUNT
//   bench-worker allocator|plain|returning odbc "DSN=…;UID=…;PWD=;DATABASE=…" COUNT

#include "DbDatabase.h"
#include "DbSnapshot.h"
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
    const bool returning = args.at(1) == QLatin1String("returning");
    const int count = args.at(4).toInt();
    int done = 0;
    for (int i = 0; i < count; ++i) {
        if (returning) {
            DbError error;
            auto key = connection.DBObject()->openSnapshot(
                QStringLiteral(
                    "UPDATE tblTableIds SET lngNextID=lngNextID+1 WHERE strTableName='tblBench' RETURNING lngNextID"),
                error);
            if (key && !key->eof())
                ++done;
        } else if (plain) {
            DbError error;
            int affected = 0;
            if (connection.DBObject()->execute(
                    QStringLiteral(
                        "UPDATE tblTableIds SET lngNextID=lngNextID+1 WHERE strTableName='tblBench'"),
                    &affected, error)
                && affected == 1)
                ++done;
        } else if (connection.TableIDGet(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID"))
            != 0) {
            ++done;
        }
    }
    std::printf("%d\n", done);
    return done == count ? 0 : 1;
}
