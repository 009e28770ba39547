#include "../selection/SermonScreenFixture.h"
#include "CoverageHeatMap.h"
#include "PrintJob.h"
#include "ProgramTranslation.h"
#include "ReportCommands.h"
#include "ReportScreen.h"
#include "WidgetLookup.h"
#include "frmBookHistory.h"
#include "frmCoverage.h"
#include "frmUsage.h"
#include "frmYearChart.h"

#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace SermonScreenFixture;
using TestEnvironment::Engine;

// The report screens on both engines over the sermon screens' five-sermon library: a click
// on a heat-map cell lists its sermons in the sermon screen, an empty library says so
// instead of drawing, printing without a printer gives a PDF whose text names the books,
// the CSV holds the numbers, and each report leaves a picture for the record.
class tst_Reports : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MsgBoxScript::setScripted(true);
        PrintJob::setIgnorePrinters(true);
        // Printed without a printer, a report goes to the documents folder: the test's own.
        TestEnvironment::isolateHome(m_home.path());
    }
    void cleanup() { closeAll(m_main); }
    void reports_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void reports();
    void emptyLibrary_data() { reports_data(); }
    void emptyLibrary();
    void savesSayWhatHappened_data();
    void savesSayWhatHappened();
    void replacingAFileTheDialogDidNotName();
    void coverageTipsCountInWords_data();
    void coverageTipsCountInWords();

private:
    QTemporaryDir m_home;
    ReportScreen *open(const char *command, const char *name)
    {
        m_main->runCommand(QLatin1String(command));
        QApplication::processEvents();
        return m_main->findChild<ReportScreen *>(QLatin1String(name));
    }
    std::unique_ptr<frmMain> m_main;
};

namespace {

QString pdfText(const QString &file)
{
    QProcess tool;
    tool.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), file, QStringLiteral("-") });
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

void tst_Reports::reports()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    // Sermon 13 (John 1) was preached again in 1998 and in 2001; 12 (Psalm 23) in 2001.
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES "
        "(1, 13, '1998-09-01', 'Main Street'), (2, 13, '2001-01-07', 'Elm Hall'), "
        "(3, 12, '2001-03-04', 'Main Street')")));
    QVERIFY(db.exec(
        QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName) VALUES (7, 'Lost Sheep')")));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) VALUES (10, 7), (13, 7)")));
    m_main = makeMainWindow();
    RegisterReportScreenCommands(*m_main);

    auto *coverage = qobject_cast<frmCoverage *>(open("mnuRCoverage", "frmCoverage"));
    QVERIFY(coverage);
    QVERIFY(!coverage->isEmptyReport());
    CoverageHeatMap *map = coverage->heatMap();
    QCOMPARE(map->years(), (QList<int> { 1998, 2001 }));
    QCOMPARE(map->count(43, 1998), 2); // John 3:16 and John 1:1-14
    QCOMPARE(map->count(19, 2001), 1);
    QVERIFY(coverage->cellText(43, 1998).contains(QStringLiteral("God So Loved")));
    const QList<QStringList> csv = coverage->table();
    QCOMPARE(csv.size(), 67);
    QCOMPARE(csv.at(0), (QStringList { "Book", "1998", "2001" }));
    QCOMPARE(csv.at(43), (QStringList { "John", "2", "1" }));

    // Printed without a printer: a landscape PDF whose text names the books.
    MsgBoxScript::clear();
    QVERIFY(coverage->print());
    const QString text = pdfText(PrintJob::lastPdfFile());
    for (const char *book : { "Genesis", "Psalms", "John", "Revelation", "Law", "Gospels" }) {
        QVERIFY2(text.contains(QLatin1String(book)), book);
    }
    QTemporaryDir dir;
    QVERIFY(coverage->exportCsv(dir.filePath(QStringLiteral("c.csv"))));
    QFile file(dir.filePath(QStringLiteral("c.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.at(0), QByteArray("Book,1998,2001\r"));
    QCOMPARE(lines.at(43), QByteArray("John,2,1\r"));
    QVERIFY(coverage->exportPng(dir.filePath(QStringLiteral("c.png"))));
    QVERIFY(coverage->exportSvg(dir.filePath(QStringLiteral("c.svg"))));
    QVERIFY(QImage(dir.filePath(QStringLiteral("c.png"))).width() > 200);

    // A click on John 1998 lists its two sermons in the sermon screen.
    MsgBoxScript::clear();
    const int johnRow = 42;
    QTest::mouseClick(map, Qt::LeftButton, {}, map->cellCentre(johnRow, 0));
    QApplication::processEvents();
    QVERIFY(sermonScreen());
    QCOMPARE(MsgBoxScript::shown().value(0), QStringLiteral("Number of Records found = 2"));
    QCOMPARE(
        gridKeys(widget<DataGrid>(sermonScreen(), "grdSermons")), (QStringList { "13", "10" }));

    // The chapter view of John: chapter 1 and chapter 3.
    coverage->showBook(43);
    QCOMPARE(map->count(1, 1998), 1);
    QCOMPARE(map->count(3, 1998), 1);

    auto *years = qobject_cast<frmYearChart *>(open("mnuRPerYear", "frmYearChart"));
    QVERIFY(years);
    QCOMPARE(years->table().size(), 1 + 4); // 1998 and 2001, each Harper and Delgado
    QVERIFY(years->exportSvg(dir.filePath(QStringLiteral("y.svg"))));

    auto *usage = qobject_cast<frmUsage *>(open("mnuRUsage", "frmUsage"));
    QVERIFY(usage);
    QCOMPARE(usage->grid()->rowCount(), 4); // GRACE, HOPE, PRAYER, Lost Sheep

    auto *never = qobject_cast<frmBookHistory *>(open("mnuRNever", "frmNeverPreached"));
    QVERIFY(never);
    QCOMPARE(never->grid()->rowCount(), 66 - 2); // Psalms and John were preached
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    never->listSermons(0); // Genesis: sermon 11, never preached
    QApplication::processEvents();
    QVERIFY2(MsgBoxScript::shown().contains(QStringLiteral("Number of Records found = 1")),
        qPrintable(MsgBoxScript::shown().join(QLatin1Char('|'))));

    auto *since = qobject_cast<frmBookHistory *>(open("mnuRSince", "frmNotPreachedSince"));
    QVERIFY(since);
    since->setSinceYear(2000);
    QCOMPARE(since->grid()->rowCount(), 66 - 2);
    since->setSinceYear(2002);
    QCOMPARE(since->grid()->rowCount(), 66);
}

void tst_Reports::emptyLibrary()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    m_main = makeMainWindow();
    RegisterReportScreenCommands(*m_main);
    const struct
    {
        const char *command;
        const char *name;
    } reports[] = { { "mnuRCoverage", "frmCoverage" }, { "mnuRPerYear", "frmYearChart" },
        { "mnuRUsage", "frmUsage" }, { "mnuRNever", "frmNeverPreached" },
        { "mnuRSince", "frmNotPreachedSince" } };
    for (const auto &report : reports) {
        ReportScreen *screen = open(report.command, report.name);
        QVERIFY2(screen, report.name);
        QVERIFY2(screen->isEmptyReport(), report.name);
        auto *label = widget<QLabel>(screen, "lblNoMatch");
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("No sermons match these choices."));
    }
}

void tst_Reports::savesSayWhatHappened_data()
{
    QTest::addColumn<QString>("kind"); // csv, png or svg
    QTest::addColumn<QString>("typed"); // the name chosen, in the test's folder
    QTest::addColumn<QString>("written"); // the file that appears; empty when none may
    for (const QString &kind :
        { QStringLiteral("csv"), QStringLiteral("png"), QStringLiteral("svg") }) {
        const QByteArray k = kind.toLatin1();
        QTest::addRow("%s, no extension", k.constData()) << kind << "Coverage"
                                                         << "Coverage." + kind;
        QTest::addRow("%s, ending in a dot", k.constData()) << kind << "Coverage."
                                                            << "Coverage." + kind;
        QTest::addRow("%s, own extension", k.constData())
            << kind << "Coverage." + kind << "Coverage." + kind;
        QTest::addRow("%s, another extension", k.constData()) << kind << "Cover ège.v2"
                                                              << "Cover ège.v2";
        QTest::addRow("%s, folder missing", k.constData()) << kind << "gone/Coverage" << QString();
    }
}

void tst_Reports::savesSayWhatHappened()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    m_main = makeMainWindow();
    RegisterReportScreenCommands(*m_main);
    ReportScreen *coverage = open("mnuRCoverage", "frmCoverage");
    QVERIFY(coverage);
    QTemporaryDir dir;
    MsgBoxScript::clear();
    const QString path = dir.filePath(typed);
    const bool saved = kind == QLatin1String("csv") ? coverage->exportCsv(path)
        : kind == QLatin1String("png")              ? coverage->exportPng(path)
                                                    : coverage->exportSvg(path);
    QCOMPARE(saved, !written.isEmpty());
    if (saved) {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { written });
        QVERIFY(QFileInfo(dir.filePath(written)).size() > 100);
        QCOMPARE(MsgBoxScript::shown(), QStringList());
    } else {
        // Said, with the name and the reason; nothing left behind.
        QCOMPARE(MsgBoxScript::shown().size(), 1);
        QVERIFY(MsgBoxScript::shown().constFirst().startsWith(
            QStringLiteral("The report could not be saved to the file:\n") + path + QLatin1Char('.')
            + kind));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList());
    }
}

void tst_Reports::replacingAFileTheDialogDidNotName()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    m_main = makeMainWindow();
    RegisterReportScreenCommands(*m_main);
    ReportScreen *coverage = open("mnuRCoverage", "frmCoverage");
    QVERIFY(coverage);
    QTemporaryDir dir;
    const QString typed = dir.filePath(QStringLiteral("Coverage"));
    const QString written = typed + QStringLiteral(".png");
    MsgBoxScript::clear();
    // Nothing there: no question.
    QVERIFY(coverage->mayReplace(typed, written));
    QVERIFY(coverage->mayReplace(written, written));
    QCOMPARE(MsgBoxScript::shown(), QStringList());
    QFile existing(written);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    // The dialog asked about the name typed, not about the file the extension names.
    QVERIFY(coverage->mayReplace(written, written));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QVERIFY(!coverage->mayReplace(typed, written));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
    QVERIFY(coverage->mayReplace(typed, written));
    QCOMPARE(MsgBoxScript::shown().size(), 2);
    QVERIFY(
        MsgBoxScript::shown().constFirst().contains(QStringLiteral("Coverage.png already exists")));
}

void tst_Reports::coverageTipsCountInWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("English, once") << "en" << 2001 << "Preached once in 2001";
    QTest::newRow("English, twice") << "en" << 1998 << "Preached 2 times in 1998";
    QTest::newRow("Spanish, once") << "es" << 2001 << "Predicado una vez en 2001";
    QTest::newRow("Spanish, twice") << "es" << 1998 << "Predicado 2 veces en 1998";
}

// The heat map's tip for John: its count in words, one form for one time and one for more.
void tst_Reports::coverageTipsCountInWords()
{
    QFETCH(QString, language);
    QFETCH(int, year);
    QFETCH(QString, firstLine);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));
    QVERIFY(db.exec(QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES "
        "(1, 13, '1998-09-01', 'Main Street'), (2, 13, '2001-01-07', 'Elm Hall')")));
    m_main = makeMainWindow();
    RegisterReportScreenCommands(*m_main);
    auto *coverage = qobject_cast<frmCoverage *>(open("mnuRCoverage", "frmCoverage"));
    QVERIFY(coverage);
    QVERIFY(ProgramTranslation::install(language));
    const QString tip = coverage->cellText(43, year);
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QCOMPARE(tip.section(QLatin1Char('\n'), 0, 0), firstLine);
}

QTEST_MAIN(tst_Reports)
#include "tst_reports.moc"
