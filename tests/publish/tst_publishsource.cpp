#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "PublishSource.h"
#include "PublishTestData.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using TestEnvironment::Engine;

// What a site is made of, read from a real library on both engines: which sermons each
// choice publishes, their names, occasions, topics and recordings, the library's publishing
// choices; then lectorum-mkdb --publish and --copy as the office's server runs them.
class tst_PublishSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sermons_data();
    void sermons();
    void choices_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void choices();
    void mkdbPublish();
    void mkdbCopyKeepsRecordings();

private:
    static QString run(const QStringList &arguments, int &exitCode);
};

QString tst_PublishSource::run(const QStringList &arguments, int &exitCode)
{
    QProcess mkdb;
    mkdb.start(QStringLiteral(LECTORUM_MKDB), arguments);
    if (!mkdb.waitForFinished(120000))
        mkdb.kill();
    mkdb.waitForFinished();
    exitCode = mkdb.exitStatus() == QProcess::NormalExit ? mkdb.exitCode() : -1;
    return QString::fromUtf8(mkdb.readAllStandardOutput() + mkdb.readAllStandardError());
}

void tst_PublishSource::sermons_data()
{
    TestEnvironment::addEngineColumn();
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("where"); // the same sermons by SQL
    for (const auto &[name, engine] :
        { std::pair { "sqlite", Engine::SQLite }, std::pair { "postgres", Engine::PostgreSQL } }) {
        QTest::addRow("%s, all with a date", name)
            << int(engine) << int(PublishChoices::Sermons::AllDated)
            << QStringLiteral("dtDatePreached IS NOT NULL");
        QTest::addRow("%s, a series", name) << int(engine) << int(PublishChoices::Sermons::Series)
                                            << QStringLiteral("lngSeriesID = {series}");
        QTest::addRow("%s, a checklist's list", name)
            << int(engine) << int(PublishChoices::Sermons::CurrentList)
            << QStringLiteral("lngSermonID IN ({keys})");
    }
}

void tst_PublishSource::sermons()
{
    QFETCH(int, engine);
    QFETCH(int, choice);
    QFETCH(QString, where);
    TestDatabase db { Engine(engine), true };
    REQUIRE_DATABASE(db);
    const int series = db.scalar(QStringLiteral("SELECT Max(lngSeriesID) FROM tblSermons")).toInt();
    const int first = db.scalar(QStringLiteral("SELECT Min(lngSermonID) FROM tblSermons")).toInt();
    QVERIFY(
        db.exec(QStringLiteral("INSERT INTO tblRecordings (lngRecordingID, lngSermonID, "
                               "strSource, strMimeType, lngMilliseconds, lngKilobytes) VALUES "
                               "(7, %1, 'https://church.example/1.mp3', 'audio/mpeg', 61000, 480)")
                    .arg(first)));
    // An undated sermon without preacher or series (the library's "none" rows).
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, "
                                   "lngSeriesID, strTitle) VALUES (9000, 0, 0, 'Undated')")));
    const QList<qint32> keys { first, 9000 };
    where.replace(QLatin1String("{series}"), QString::number(series));
    where.replace(QLatin1String("{keys}"), QStringLiteral("%1, 9000").arg(first));
    const int expected
        = db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons WHERE ") + where).toInt();
    QVERIFY(expected > 1);

    PublishChoices choices;
    choices.sermons = PublishChoices::Sermons(choice);
    choices.seriesId = series;
    // The first sermon's own choice keeps its outline off the site.
    choices.outlineWithheld = { first };
    QList<PublishSermon> sermons;
    DbError error;
    QVERIFY(PublishSource::readSermons(db.database(), choices, keys, sermons, error));
    QCOMPARE(sermons.size(), expected);
    for (const PublishSermon &s : std::as_const(sermons)) {
        const QString title
            = db.scalar(QStringLiteral("SELECT strTitle FROM tblSermons WHERE lngSermonID = %1")
                            .arg(s.id))
                  .toString();
        QCOMPARE(s.title, title);
        if (s.id == 9000) {
            QVERIFY(s.preacher.isEmpty() && s.series.isEmpty() && !s.date().isValid());
            continue;
        }
        QVERIFY(!s.preacher.isEmpty());
        QCOMPARE(s.outline.isEmpty(), s.id == first);
        const int occasions
            = db.scalar(QStringLiteral("SELECT Count(*) FROM tblDateLoc WHERE lngSermonID = %1")
                            .arg(s.id))
                  .toInt();
        QCOMPARE(s.occasions.size(), occasions + 1);
        const int topics = db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermonTopics WHERE "
                                                    "lngSermonID = %1")
                                         .arg(s.id))
                               .toInt();
        QCOMPARE(s.topics.size(), topics);
        if (s.id == first) {
            QCOMPARE(s.recordings.size(), 1);
            QCOMPARE(s.recordings.first().milliseconds, 61000);
            QCOMPARE(s.recordings.first().bytes, 480 * 1024);
        }
    }
}

void tst_PublishSource::choices()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    PublishChoices kept;
    kept.site.title = QStringLiteral("St. Mary's & St. John's");
    kept.site.description = QStringLiteral("Predigten — sermons\nweekly");
    kept.site.baseUrl = QStringLiteral("https://church.example/sermons/");
    kept.folder = QStringLiteral("/srv/www/sermons");
    kept.sermons = PublishChoices::Sermons::Series;
    kept.seriesId = 4;
    kept.outlines = false;
    kept.outlineWithheld = { 12, 5, 12 };
    DbError error;
    QVERIFY(PublishSource::writeChoices(db.database(), kept, error));
    kept.site.title = QStringLiteral("Second thoughts");
    QVERIFY(PublishSource::writeChoices(db.database(), kept, error));
    PublishChoices read;
    QVERIFY(PublishSource::readChoices(db.database(), read, error));
    QCOMPARE(read.site.title, kept.site.title);
    QCOMPARE(read.site.description, kept.site.description);
    QCOMPARE(read.site.baseUrl, kept.site.baseUrl);
    QCOMPARE(read.site.language, QStringLiteral("en"));
    QCOMPARE(read.folder, kept.folder);
    QCOMPARE(int(read.sermons), int(kept.sermons));
    QCOMPARE(read.seriesId, 4);
    QCOMPARE(read.outlines, false);
    QCOMPARE(read.outlineWithheld, (QList<qint32> { 5, 12 }));

    // A library made before the table reads as one with the defaults, and is not written.
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblPublishSettings")));
    PublishChoices older;
    QVERIFY(PublishSource::readChoices(db.database(), older, error));
    QVERIFY(older.site.title.isEmpty() && older.outlines);
    QVERIFY(!PublishSource::writeChoices(db.database(), kept, error));
    QVERIFY(!error.isSet());
}

void tst_PublishSource::mkdbPublish()
{
    TestDatabase db { Engine::SQLite, true };
    REQUIRE_DATABASE(db);
    const QString wav = db.folder() + QStringLiteral("/Sunday 1.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    const int first = db.scalar(QStringLiteral("SELECT Min(lngSermonID) FROM tblSermons")).toInt();
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblRecordings (lngRecordingID, lngSermonID, "
                                   "strSource, strMimeType, lngMilliseconds, lngKilobytes) VALUES "
                                   "(1, %1, '%2', 'audio/wav', 1000, 8), "
                                   "(2, %1, '%3', 'audio/wav', 1000, 8)")
                        .arg(first)
                        .arg(wav, db.folder() + QStringLiteral("/moved.wav"))));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblPublishSettings (strSetting, strValue) "
                                   "VALUES ('Title', 'Grace Chapel'), ('PassageText', '1'), "
                                   "('BibleVersion', 'engWEB2015eb')")));
    const int dated = db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermons WHERE "
                                               "dtDatePreached IS NOT NULL"))
                          .toInt();
    const QString site = db.folder() + QStringLiteral("/site");
    int exitCode = -1;
    QString out = run({ QStringLiteral("--publish"), site, db.filePath(),
                          QStringLiteral("--base-url"), QStringLiteral("https://grace.example/") },
        exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(out.contains(QStringLiteral("%1 sermons, %1 episodes published").arg(dated)),
        qPrintable(out));
    // The moved file is named, the rest published.
    QVERIFY2(out.contains(QStringLiteral("moved.wav")) && out.contains(QStringLiteral("missing")),
        qPrintable(out));
    QCOMPARE(QDir(site + QStringLiteral("/sermons")).count() - 2, uint(dated));
    QVERIFY(PublishTestData::read(site + QStringLiteral("/index.html")).contains("Grace Chapel"));
    QVERIFY(PublishTestData::read(site + QStringLiteral("/podcast.xml"))
                .contains("https://grace.example/media/"));
    // The library's choice of the WEB (in the public domain) puts the passages on the pages.
    bool withText = false;
    for (const QString &page : QDir(site + QStringLiteral("/sermons")).entryList(QDir::Files))
        withText = withText
            || PublishTestData::read(site + QStringLiteral("/sermons/") + page)
                   .contains("<blockquote>\n<p dir=\"auto\">1:1 In the beginning, God created");
    QVERIFY(withText);

    out = run({ QStringLiteral("--publish"), site, db.filePath(), QStringLiteral("--base-url"),
                  QStringLiteral("https://grace.example/") },
        exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(out.contains(QStringLiteral(": 0 files written")), qPrintable(out));

    out = run(
        { QStringLiteral("--publish"), site, db.folder() + QStringLiteral("/none.mdb") }, exitCode);
    QCOMPARE(exitCode, 1);
}

void tst_PublishSource::mkdbCopyKeepsRecordings()
{
    TestDatabase db { Engine::SQLite, true };
    REQUIRE_DATABASE(db);
    const int first = db.scalar(QStringLiteral("SELECT Min(lngSermonID) FROM tblSermons")).toInt();
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblRecordings (lngRecordingID, lngSermonID, "
                                   "strSource, strMimeType, lngMilliseconds, lngKilobytes) VALUES "
                                   "(5, %1, '/srv/Sermón 1.mp3', 'audio/mpeg', 2520000, 39000)")
                        .arg(first)));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblPublishSettings (strSetting, strValue) "
                                   "VALUES ('Title', 'Grace Chapel')")));
    const QString copy = db.folder() + QStringLiteral("/copy.mdb");
    int exitCode = -1;
    const QString out = run({ QStringLiteral("--copy"), db.filePath(), copy }, exitCode);
    QVERIFY2(exitCode == 0, qPrintable(out));
    DbError error;
    auto copied = DbDatabase::openFile(copy, error);
    QVERIFY(copied);
    auto rs = copied->openSnapshot(QStringLiteral("SELECT lngSermonID, strSource, lngMilliseconds "
                                                  "FROM tblRecordings"),
        error);
    QVERIFY(rs && !rs->eof());
    QCOMPARE(rs->field(0).toInt(), first);
    QCOMPARE(rs->field(1).toString(), QStringLiteral("/srv/Sermón 1.mp3"));
    QCOMPARE(rs->field(2).toInt(), 2520000);
}

QTEST_GUILESS_MAIN(tst_PublishSource)
#include "tst_publishsource.moc"
