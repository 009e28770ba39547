#include "UserDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The per-user data folder: where it is, that it is made private, and that a folder which
// cannot be made is refused with a reason naming it.
class tst_UserDataFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }
    void create_data();
    void create();
};

void tst_UserDataFolder::create_data()
{
    QTest::addColumn<QString>("setUp"); // what the data home holds before
    QTest::addColumn<bool>("made");
    QTest::newRow("fresh home") << "nothing" << true;
    QTest::newRow("folder already there") << "folder" << true;
    QTest::newRow("a file in the way") << "file" << false;
}

void tst_UserDataFolder::create()
{
    QFETCH(QString, setUp);
    QFETCH(bool, made);
    QTemporaryDir home;
    const QString dataHome = home.filePath(QStringLiteral("share"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const QString expected = dataHome + QLatin1Char('/') + QCoreApplication::applicationName();
    QCOMPARE(UserDataFolder::path(), expected);

    if (setUp == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(expected));
        QFile::setPermissions(expected,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                | QFile::ExeGroup);
    } else if (setUp == QLatin1String("file")) {
        QFile blocker(dataHome);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    const QFile::Permissions before = QFile::permissions(expected);

    QString reason;
    QCOMPARE(UserDataFolder::create(reason), made);
    if (!made) {
        QVERIFY2(reason.contains(expected), qPrintable(reason));
        return;
    }
    QVERIFY(reason.isEmpty());
    QVERIFY(QFileInfo(expected).isDir());
    // A folder made here is its owner's alone; one that was there keeps its permissions.
    const QFile::Permissions others = QFile::ReadOther | QFile::WriteOther | QFile::ExeOther
        | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup;
    if (setUp == QLatin1String("nothing"))
        QCOMPARE(QFile::permissions(expected) & others, QFile::Permissions());
    else
        QCOMPARE(QFile::permissions(expected), before);
    QVERIFY(UserDataFolder::create(reason)); // a second call finds it
}

QTEST_GUILESS_MAIN(tst_UserDataFolder)
#include "tst_userdatafolder.moc"
