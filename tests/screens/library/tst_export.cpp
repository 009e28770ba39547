#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ExportPaths.h"
#include "LibraryCommands.h"
#include "OutlineDocument.h"
#include "OutlineFolderExport.h"
#include "SermonExportRows.h"
#include "SermonListCsv.h"
#include "SermonScreenFixture.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace SermonScreenFixture;

// The exports read back by programs other than ours: Python's csv module for the list, the
// ODF package's content for a document.
class tst_Export : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void csvRoundTripsAwkwardTexts_data();
    void csvRoundTripsAwkwardTexts();
    void documentsReadBack_data();
    void documentsReadBack();
    void folderExportNamesFilesAndStopsCleanly();
    void menuCommandsExportTheListShown();
    void serverLibraryExportsAsTheFileDoes_data();
    void serverLibraryExportsAsTheFileDoes();

private:
    std::unique_ptr<frmMain> m_main;
};

namespace {

QByteArray runPython(const QString &program, const QStringList &arguments)
{
    QProcess python;
    python.start(
        QStringLiteral("python3"), QStringList { QStringLiteral("-c"), program } + arguments);
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        qWarning("python3: %s", python.readAllStandardError().constData());
    return python.readAllStandardOutput();
}

// Rows as Python's csv module reads the file (UTF-8, a byte-order mark taken off).
QList<QStringList> parsedCsv(const QString &path)
{
    const QByteArray json = runPython(
        QStringLiteral("import csv, json, sys\n"
                       "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                       "    json.dump(list(csv.reader(f, strict=True)), sys.stdout)\n"),
        { path });
    QList<QStringList> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(json).array()) {
        QStringList fields;
        for (const QJsonValue &field : row.toArray())
            fields.append(field.toString());
        rows.append(fields);
    }
    return rows;
}

SermonExportRow awkwardSermon()
{
    SermonExportRow row;
    row.sermonId = 42;
    row.reference = QStringLiteral("John 3:16-17, 21");
    row.preacher = QStringLiteral("Seán O'Brien");
    row.title = QStringLiteral("He said \"Come\", and\tthey came");
    row.bigIdea = QStringLiteral("Line one\r\nline two\nline three,  ");
    row.datePreached = QDateTime(QDate(2024, 2, 29), QTime(19, 30, 5));
    row.location = QStringLiteral("Ελληνικά / עברית 🙂");
    row.series = QStringLiteral("\"Quoted\"");
    row.topics = { QStringLiteral("GRACE"), QStringLiteral("HOPE; LOVE") };
    row.outline = QStringLiteral(
        "I. First\n    A. Indented *not emphasis* `code`\n\nII. ```fence``` & <b>\n");
    return row;
}

} // namespace

void tst_Export::init()
{
    ScreenTestReset::begin();
    ExportPaths::clearAnswers();
}

void tst_Export::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    closeAll(m_main);
    ExportPaths::clearAnswers();
    ScreenTestReset::verifyNothingOpen();
}

void tst_Export::csvRoundTripsAwkwardTexts_data()
{
    QTest::addColumn<bool>("byteOrderMark");
    QTest::newRow("plain UTF-8") << false;
    QTest::newRow("with byte-order mark") << true;
}

void tst_Export::csvRoundTripsAwkwardTexts()
{
    QFETCH(bool, byteOrderMark);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    SermonExportRow plain;
    plain.sermonId = 7;
    plain.reference = QStringLiteral("Psalm 23");
    QString failure;
    QVERIFY2(SermonListCsv::write(path, { awkwardSermon(), plain }, byteOrderMark, failure),
        qPrintable(failure));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.peek(3) == QByteArray("\xEF\xBB\xBF"), byteOrderMark);

    const QList<QStringList> rows = parsedCsv(path);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0), SermonListCsv::headings());
    const SermonExportRow s = awkwardSermon();
    QCOMPARE(rows.at(1),
        (QStringList { QStringLiteral("42"), s.reference, s.preacher, s.title, s.bigIdea,
            QStringLiteral("2024-02-29 19:30:05"), s.location, s.series,
            QStringLiteral("GRACE; HOPE; LOVE") }));
    QCOMPARE(rows.at(2),
        (QStringList {
            QStringLiteral("7"), QStringLiteral("Psalm 23"), {}, {}, {}, {}, {}, {}, {} }));
}

void tst_Export::documentsReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("OpenDocument") << QStringLiteral("outline.odt");
    QTest::newRow("Markdown") << QStringLiteral("outline.md");
    QTest::newRow("plain text") << QStringLiteral("outline.txt");
}

void tst_Export::documentsReadBack()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const SermonExportRow s = awkwardSermon();
    QString failure;
    QVERIFY2(OutlineDocument::write(path, s, failure), qPrintable(failure));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    switch (OutlineDocument::formatFor(path)) {
    case OutlineDocument::Format::PlainText:
        QVERIFY(text.startsWith(s.title + QLatin1Char('\n') + s.reference
            + QStringLiteral("\n\nPreacher: ") + s.preacher));
        QVERIFY(text.contains(QStringLiteral("Preached: 2/29/2024 7:30:05 PM, ") + s.location));
        QVERIFY(text.endsWith(s.outline + QLatin1Char('\n')));
        break;
    case OutlineDocument::Format::Markdown:
        QVERIFY(text.startsWith(
            QStringLiteral("# He said \"Come\", and\tthey came\n\n## John 3:16\\-17, 21\n")));
        // The outline stands in a fence longer than its own run of backticks, unchanged.
        QVERIFY(
            text.endsWith(QStringLiteral("````text\n") + s.outline + QStringLiteral("\n````\n")));
        break;
    case OutlineDocument::Format::OpenDocument: {
        const QString content = QString::fromUtf8(runPython(
            QStringLiteral(
                "import sys, zipfile\nsys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read('content.xml'))"),
            { path }));
        QVERIFY2(content.contains(QStringLiteral("He said"))
                && content.contains(QStringLiteral("they came")),
            qPrintable(content.left(2000)));
        QVERIFY(content.contains(QStringLiteral("Big idea: Line one")));
        QVERIFY(content.contains(QStringLiteral("II. ```fence``` &amp; &lt;b&gt;")));
        QVERIFY(content.contains(s.location));
        break;
    }
    }
}

void tst_Export::folderExportNamesFilesAndStopsCleanly()
{
    TestDatabase db(TestEnvironment::Engine::SQLite);
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    QVERIFY(db.exec(QStringLiteral(
        "UPDATE tblSermons SET strTitle = 'Who? What: \"This\"/That' WHERE lngSermonID = 12")));
    QTemporaryDir dir;
    // A file of that name already there stays as it is; the new one gets another name.
    QFile existing(dir.filePath(QStringLiteral("1998-06-15 John 3-16 God So Loved.md")));
    QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("mine") == 4);
    existing.close();

    OutlineFolderExport stopped(dir.path(), OutlineDocument::Format::Markdown);
    QVERIFY(!stopped.run({ 10, 12, 13, 14 }, [](int done, int) { return done < 2; }));
    QVERIFY(stopped.cancelled());
    QCOMPARE(stopped.written(), 2);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        (QStringList { QStringLiteral("1998-06-15 John 3-16 God So Loved (2).md"),
            QStringLiteral("1998-06-15 John 3-16 God So Loved.md"),
            QStringLiteral("Psalm 23 Who What- This -That.md") }));
    QFile mine(existing.fileName());
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));

    OutlineFolderExport refused(QStringLiteral("/proc"), OutlineDocument::Format::PlainText);
    QVERIFY(!refused.run({ 10 }, {}));
    QVERIFY2(refused.failure().startsWith(QLatin1String("Cannot write in the folder /proc")),
        qPrintable(refused.failure()));
}

void tst_Export::menuCommandsExportTheListShown()
{
    TestDatabase db(TestEnvironment::Engine::SQLite);
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    m_main = makeMainWindow();
    RegisterLibraryScreenCommands(*m_main);
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("list"));

    // No sermon screen: nothing to export, and it says so.
    ExportPaths::queueAnswer(csv);
    m_main->runCommand(QStringLiteral("mnuFExportList"));
    QVERIFY(MsgBoxScript::shown().value(0).startsWith(
        QLatin1String("There is no sermon list to export.")));
    ExportPaths::clearAnswers();
    MsgBoxScript::clear();

    m_main->runCommand(QStringLiteral("mnuESermon"));
    QVERIFY(sermonScreen());
    MsgBoxScript::clear(); // the list's own count
    const QStringList keys
        = gridKeys(sermonScreen()->findChild<DataGrid *>(QStringLiteral("grdSermons")));
    ExportPaths::queueAnswer(csv, 1);
    m_main->runCommand(QStringLiteral("mnuFExportList"));
    QVERIFY2(
        MsgBoxScript::shown().isEmpty(), qPrintable(MsgBoxScript::shown().join(QLatin1Char('|'))));
    QList<QStringList> rows = parsedCsv(csv + QStringLiteral(".csv"));
    QStringList exported;
    for (int i = 1; i < rows.size(); ++i)
        exported.append(rows.at(i).value(0));
    QCOMPARE(exported, keys);
    QCOMPARE(rows.at(1),
        (QStringList { QStringLiteral("11"), QStringLiteral("Genesis 1:1-5"),
            QStringLiteral("Margaret O'Connor"), QStringLiteral("In the Beginning"), {}, {}, {},
            QStringLiteral("Letters"), QStringLiteral("PRAYER") }));

    // An existing file: asked first; No keeps it, Yes replaces it.
    QFile::resize(csv + QStringLiteral(".csv"), 5);
    ExportPaths::queueAnswer(csv + QStringLiteral(".csv"));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    m_main->runCommand(QStringLiteral("mnuFExportList"));
    QCOMPARE(QFileInfo(csv + QStringLiteral(".csv")).size(), 5);
    QVERIFY(MsgBoxScript::shown().value(0).endsWith(
        QLatin1String("list.csv already exists.\nDo you want to replace it?")));
    ExportPaths::queueAnswer(csv + QStringLiteral(".csv"));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    m_main->runCommand(QStringLiteral("mnuFExportList"));
    QCOMPARE(parsedCsv(csv + QStringLiteral(".csv")).size(), keys.size() + 1);
    MsgBoxScript::clear();

    // The sermon shown, as a document; a folder that cannot be written is named.
    ExportPaths::queueAnswer(QStringLiteral("/proc/outline"), 2);
    m_main->runCommand(QStringLiteral("mnuFExportOutline"));
    QVERIFY2(
        MsgBoxScript::shown().value(0).startsWith(QLatin1String("Cannot write /proc/outline.txt")),
        qPrintable(MsgBoxScript::shown().join(QLatin1Char('|'))));
    MsgBoxScript::clear();
    ExportPaths::queueAnswer(dir.filePath(QStringLiteral("outline")), 2);
    m_main->runCommand(QStringLiteral("mnuFExportOutline"));
    QFile outline(dir.filePath(QStringLiteral("outline.txt")));
    QVERIFY(outline.open(QIODevice::ReadOnly));
    QVERIFY(outline.readAll().startsWith("In the Beginning\nGenesis 1:1-5\n"));

    // Every outline of the list into a folder, through the dialog.
    const QString folder = dir.filePath(QStringLiteral("all"));
    QVERIFY(QDir().mkpath(folder));
    QTimer::singleShot(0, this, [folder] {
        auto *ask = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(ask && ask->objectName() == QLatin1String("frmExportOutlines"));
        ask->findChild<QLineEdit *>(QStringLiteral("txtFolder"))->setText(folder);
        ask->findChild<QComboBox *>(QStringLiteral("cboFormat"))->setCurrentIndex(1);
        ask->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    m_main->runCommand(QStringLiteral("mnuFExportAll"));
    QCOMPARE(MsgBoxScript::shown(),
        QStringList {
            QStringLiteral("%1 outlines were written to %2.").arg(keys.size()).arg(folder) });
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), keys.size());
}

void tst_Export::serverLibraryExportsAsTheFileDoes_data()
{
    QTest::addColumn<int>("count"); // sermons exported: a few are read by their keys, many in
                                    // one pass over every sermon
    QTest::newRow("three sermons") << 3;
    QTest::newRow("every sermon") << 0;
}

// The demonstration library on the PostgreSQL test server and as a file: the list and every
// outline document come out the same, byte for byte.
void tst_Export::serverLibraryExportsAsTheFileDoes()
{
    QFETCH(int, count);
    QTemporaryDir dir;
    QMap<QString, QByteArray> written[2];
    const TestEnvironment::Engine engines[]
        = { TestEnvironment::Engine::SQLite, TestEnvironment::Engine::PostgreSQL };
    for (int side = 0; side < 2; ++side) {
        TestDatabase db(engines[side], true);
        REQUIRE_DATABASE(db);
        DbError error;
        QList<qint32> keys;
        const std::unique_ptr<DbSnapshot> list = db.database().openSnapshot(
            QStringLiteral("SELECT lngSermonID FROM tblSermons ORDER BY lngSermonID"), error);
        QVERIFY(list);
        for (; !list->eof(); list->moveNext())
            keys.append(list->field(0).toInt());
        list->close();
        QVERIFY(keys.size() > 20);
        if (count > 0)
            keys = keys.mid(keys.size() / 2, count);
        const QString folder = dir.filePath(QString::number(side));
        QVERIFY(QDir().mkpath(folder));
        QList<SermonExportRow> rows;
        QVERIFY2(SermonExportRows::read(keys, false, rows, error), qPrintable(error.driverText));
        QCOMPARE(rows.size(), keys.size());
        QString failure;
        QVERIFY2(SermonListCsv::write(folder + QStringLiteral("/list.csv"), rows, false, failure),
            qPrintable(failure));
        for (const auto format :
            { OutlineDocument::Format::Markdown, OutlineDocument::Format::PlainText }) {
            OutlineFolderExport outlines(folder, format);
            QVERIFY2(outlines.run(keys, {}), qPrintable(outlines.failure()));
        }
        for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            QFile file(folder + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            written[side].insert(name, file.readAll());
        }
    }
    QCOMPARE(written[1].keys(), written[0].keys());
    if (count > 0)
        QCOMPARE(written[0].size(), count * 2 + 1);
    for (auto it = written[0].cbegin(); it != written[0].cend(); ++it)
        QVERIFY2(written[1].value(it.key()) == it.value(), qPrintable(it.key()));
}

QTEST_MAIN(tst_Export)
#include "tst_export.moc"
