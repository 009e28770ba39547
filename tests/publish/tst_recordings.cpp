#include "LibraryCheck.h"
#include "MediaProbe.h"
#include "ProgramTranslation.h"
#include "PublishTestData.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsRecording.h"

#include <QDir>
#include <QFile>
#include <QTest>

using TestEnvironment::Engine;

// A sermon's recordings: the type and length read from the file's content by TagLib, the
// rows kept on both engines, a file moved away named as missing (by the record and by Check
// Database), and a library made before the table.
class tst_Recordings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void probe_data();
    void probe();
    void rows_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void rows();
    void olderLibrary();
    void checkNamesMissingFile();
};

void tst_Recordings::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

void tst_Recordings::probe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: a one-second WAV; "-": no file
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("problem");
    QTest::newRow("wav") << QStringLiteral("Psalm 23.wav") << QByteArray() << "audio/wav"
                         << "";
    QTest::newRow("wav named as mp3, read by content")
        << QStringLiteral("sermón.mp3") << QByteArray() << "audio/wav"
        << "";
    QTest::newRow("text named as mp3")
        << QStringLiteral("notes.mp3") << QByteArray("I. Not a recording\n") << ""
        << "is not an audio or video file";
    QTest::newRow("empty file") << QStringLiteral("empty.ogg") << QByteArray("") << ""
                                << "is not an audio or video file";
    QTest::newRow("missing") << QStringLiteral("gone.wav") << QByteArray("-") << ""
                             << "is missing";
}

void tst_Recordings::probe()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.path() + u'/' + name;
    if (content.isNull() || (content.isEmpty() && name.endsWith(QLatin1String(".wav")))) {
        QVERIFY(PublishTestData::writeWav(path, 1));
    } else if (content != "-") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const MediaFacts facts = MediaProbe::read(path);
    QCOMPARE(facts.readable, problem.isEmpty());
    QCOMPARE(facts.mimeType, type);
    QVERIFY2(facts.problem.contains(problem), qPrintable(facts.problem));
    if (facts.readable) {
        QCOMPARE(facts.milliseconds, 1000);
        QCOMPARE(facts.bytes, 8044);
    }
}

void tst_Recordings::rows()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine), true };
    REQUIRE_DATABASE(db);
    QVERIFY(clsRecording::Available());
    const int sermon = db.scalar(QStringLiteral("SELECT Min(lngSermonID) FROM tblSermons")).toInt();
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/Predigt über Psalm 23.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    for (const QString &source : { wav, QStringLiteral("https://church.example/a b.mp3") }) {
        clsRecording r;
        r.setSermonID(sermon);
        r.setSource(source);
        r.setMimeType(QStringLiteral("audio/wav"));
        r.setMilliseconds(1000);
        r.setKilobytes(8);
        QVERIFY2(r.AddNew(), qPrintable(r.InfoMsg()));
    }
    clsRecording blank;
    blank.setSermonID(sermon);
    QVERIFY(!blank.AddNew());
    QCOMPARE(blank.InfoMsg(), QStringLiteral("Recording Must Be Filled In."));

    // A file moved away is still listed, and named as missing; a web address never is.
    QVERIFY(QFile::rename(wav, wav + QStringLiteral(".moved")));
    clsRecording list;
    list.setSermonID(sermon);
    QStringList listed;
    for (bool more = list.OpenSermonRecordings(); more; more = list.MoveNext())
        listed << list.Source().section(u'/', -1)
                + (list.FileMissing() ? QStringLiteral(" (missing)") : QString());
    QCOMPARE(listed,
        (QStringList {
            QStringLiteral("Predigt über Psalm 23.wav (missing)"), QStringLiteral("a b.mp3") }));
    QVERIFY(list.LastError().number == 0);

    // The recordings follow their sermon out of the library.
    QVERIFY(db.exec(QStringLiteral("DELETE FROM tblSermons WHERE lngSermonID = %1").arg(sermon)));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblRecordings")).toInt(), 0);
}

void tst_Recordings::olderLibrary()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(db.exec(QStringLiteral("DROP TABLE tblRecordings")));
    QVERIFY(!clsRecording::Available());
    QCOMPARE(LibraryCheck::run(db.filePath()).problems, 0);
}

void tst_Recordings::checkNamesMissingFile()
{
    QVERIFY(ProgramTranslation::install(QStringLiteral("en"))); // "1 recording's file"
    TestDatabase db { Engine::SQLite, true };
    REQUIRE_DATABASE(db);
    const int sermon = db.scalar(QStringLiteral("SELECT Min(lngSermonID) FROM tblSermons")).toInt();
    const QString title
        = db.scalar(QStringLiteral("SELECT strTitle FROM tblSermons WHERE lngSermonID = %1")
                        .arg(sermon))
              .toString();
    const QString kept = db.folder() + QStringLiteral("/kept.wav");
    QVERIFY(PublishTestData::writeWav(kept, 1));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblRecordings (lngRecordingID, lngSermonID, "
                                   "strSource) VALUES (1, %1, '%2'), (2, %1, '%3'), "
                                   "(3, %1, 'https://church.example/x.mp3')")
                        .arg(sermon)
                        .arg(kept, db.folder() + QStringLiteral("/gone.wav"))));
    const LibraryCheck::Report report = LibraryCheck::run(db.filePath());
    QCOMPARE(report.problems, 1);
    const QString text = report.lines.join(u'\n');
    QVERIFY2(
        text.contains(QStringLiteral("1 recording's file is missing: sermon %1 %2: %3/gone.wav")
                          .arg(sermon)
                          .arg(title, db.folder())),
        qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_Recordings)
#include "tst_recordings.moc"
