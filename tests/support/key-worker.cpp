// A second program for the concurrency tests: opens a database like the program does and
// allocates keys, printing one per line. Several run at once against one database.
//
//   key-worker sqlite PATH COUNT TABLE KEYCOLUMN
//   key-worker odbc CONNECT COUNT TABLE KEYCOLUMN

#include "WorkerConnection.h"
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
    PointWorkerConnectionAt(connection, args.at(1), args.at(2));
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
