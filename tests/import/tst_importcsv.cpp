#include "CsvImport.h"
#include "CsvTable.h"
#include "DbDatabase.h"
#include "ImportNames.h"
#include "ImportWriter.h"
#include "ProgramTranslation.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <QTest>

using TestEnvironment::Engine;
using Records = QList<QStringList>;

// Sermon lists from a CSV file without widgets: the RFC 4180 reader with each separator, the
// guess of what a column holds, names split into a preacher's parts, and a list written on
// both engines with its new preachers, series and topics made or left out as the user says.
class tst_ImportCsv : public QObject
{
    Q_OBJECT
    static QStringList exportedSpanishHeadings();

private Q_SLOTS:
    void initTestCase() { MsgBoxScript::setScripted(true); }
    void parse_data();
    void parse();
    void parseErrors_data();
    void parseErrors();
    void guessColumns_data();
    void guessColumns();
    void spanishExportIsTheProgramsOwn();
    void personNames_data();
    void personNames();
    void preacherMatch_data();
    void preacherMatch();
    void writeList_data();
    void writeList();
};

void tst_ImportCsv::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Records>("records");
    QTest::newRow("plain, CR LF") << QByteArray("a,b\r\n1,2\r\n") << ","
                                  << Records { { "a", "b" }, { "1", "2" } };
    QTest::newRow("quoted separator and quotes")
        << QByteArray("t\r\n\"He said \"\"Come\"\", then left\"\r\n") << ","
        << Records { { "t" }, { "He said \"Come\", then left" } };
    QTest::newRow("line breaks inside quotes kept")
        << QByteArray("a,b\n\"one\r\ntwo\nthree\",x") << ","
        << Records { { "a", "b" }, { "one\r\ntwo\nthree", "x" } };
    QTest::newRow("semicolons") << QByteArray("Title;Date\nGrace;2019-05-05\n") << ";"
                                << Records { { "Title", "Date" }, { "Grace", "2019-05-05" } };
    QTest::newRow("tabs, empty fields")
        << QByteArray("a\tb\tc\n\t\tz\n") << "\t" << Records { { "a", "b", "c" }, { "", "", "z" } };
    QTest::newRow("byte-order mark, blank lines")
        << QByteArray("\xEF\xBB\xBFTitle,Topics\r\n\r\nΕλπίς,\"A; B\"\r\n\r\n") << ","
        << Records { { "Title", "Topics" }, { "Ελπίς", "A; B" } };
    QTest::newRow("Windows-1252") << QByteArray("Title\nSe\xe1n's \x93quote\x94\n") << ","
                                  << Records { { "Title" }, { "Seán's “quote”" } };
    QTest::newRow("quoted empty field is a record")
        << QByteArray("a\n\"\"\n") << "," << Records { { "a" }, { "" } };
}

void tst_ImportCsv::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(Records, records);
    const QString text = CsvTable::decode(bytes);
    QCOMPARE(CsvTable::detectSeparator(text), separator.at(0));
    Records read;
    QString error;
    QVERIFY2(CsvTable::parse(text, separator.at(0), read, error), qPrintable(error));
    QCOMPARE(read, records);
}

void tst_ImportCsv::parseErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("never closed") << "a,b\n1,\"open\nstill open"
                                  << "Line 2: a quoted field is never closed.";
    QTest::newRow("text after the quote") << "a\n\"x\"y\n"
                                          << "Line 2: text follows a closing quote.";
}

void tst_ImportCsv::parseErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    Records read;
    QString found;
    QVERIFY(!CsvTable::parse(text, QLatin1Char(','), read, found));
    QCOMPARE(found, error);
}

void tst_ImportCsv::guessColumns_data()
{
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<CsvField>>("fields");
    // The program's own list: 1, 0, or -1 where that depends on the translation's words.
    QTest::addColumn<int>("exported");
    const QList<CsvField> exportedFields { CsvField::Key, CsvField::Passage, CsvField::Preacher,
        CsvField::Title, CsvField::BigIdea, CsvField::Date, CsvField::Location, CsvField::Series,
        CsvField::Topics };
    QTest::newRow("the exported list") << CsvColumns::exportHeadings() << exportedFields << 1;
    QTest::newRow("other names, twice, unknown")
        << QStringList { "Sermon Title", "Scripture", "Speaker", "Preached", "Title", "Colour",
               "Notes", "Keywords", "Sermon Type" }
        << QList<CsvField> { CsvField::Title, CsvField::Passage, CsvField::Preacher, CsvField::Date,
               CsvField::Ignore, CsvField::Ignore, CsvField::Outline, CsvField::Topics,
               CsvField::Type }
        << 0;
    QTest::newRow("Spanish headings") << QStringList { "ID", "Referencia bíblica", "Predicador",
        "Título", "Idea central", "Fecha predicado", "Lugar", "Serie", "Temas" }
                                      << exportedFields << -1;
    QTest::newRow("Spanish, other names, without accents")
        << QStringList { "TITULO", "Cita", "Fecha de predicación", "Bosquejo", "Tipo", "Tema" }
        << QList<CsvField> { CsvField::Title, CsvField::Passage, CsvField::Date, CsvField::Outline,
               CsvField::Type, CsvField::Topics }
        << 0;
}

void tst_ImportCsv::guessColumns()
{
    QFETCH(QStringList, headings);
    QFETCH(QList<CsvField>, fields);
    QFETCH(int, exported);
    QCOMPARE(CsvColumns::guess(headings), fields);
    if (exported >= 0)
        QCOMPARE(CsvColumns::isExportedList(headings), exported == 1);
}

QStringList tst_ImportCsv::exportedSpanishHeadings()
{
    // The list as the export writes it with the Spanish interface, read with the English one
    // (without the translation the list stays English, which the caller tells apart).
    ProgramTranslation::install(QStringLiteral("es"));
    QStringList headings;
    for (const QString &heading : CsvColumns::exportHeadings())
        headings.append(QCoreApplication::translate("SermonListCsv", heading.toUtf8().constData()));
    ProgramTranslation::install(QStringLiteral("en"));
    return headings;
}

void tst_ImportCsv::spanishExportIsTheProgramsOwn()
{
    const QStringList headings = exportedSpanishHeadings();
    QVERIFY2(headings != CsvColumns::exportHeadings(), qPrintable(headings.join(u',')));
    QVERIFY(CsvColumns::isExportedList(headings));
    QCOMPARE(CsvColumns::guess(headings), CsvColumns::guess(CsvColumns::exportHeadings()));
}

void tst_ImportCsv::personNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("two words") << "Seán O'Brien" << QStringList { "Seán", "", "O'Brien" };
    QTest::newRow("middle initial")
        << "Daniel J. Harper" << QStringList { "Daniel", "J.", "Harper" };
    QTest::newRow("two first names")
        << "Mary Anne Smith" << QStringList { "Mary Anne", "", "Smith" };
    QTest::newRow("one word") << "(No Preacher)" << QStringList { "(No", "", "Preacher)" };
    QTest::newRow("single") << "Augustine" << QStringList { "", "", "Augustine" };
}

void tst_ImportCsv::personNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, parts);
    QCOMPARE(ImportNames::splitPersonName(name), parts);
    QStringList joined = parts;
    joined.removeAll(QString());
    QCOMPARE(joined.join(QLatin1Char(' ')), name);
}

void tst_ImportCsv::writeList_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<bool>("createNames");
    for (const bool create : { true, false }) {
        const QByteArray prefix = create ? "names made, " : "names refused, ";
        TestEnvironment::addEngineRows(prefix.constData());
    }
}

void tst_ImportCsv::preacherMatch_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("found");
    QTest::newRow("as the preacher lists show him") << "Zimmer, Anna"
                                                    << "Anna Zimmer";
    QTest::newRow("first name first") << "Anna Zimmer"
                                      << "Anna Zimmer";
    QTest::newRow("case and blanks") << "  ZIMMER ,  anna "
                                     << "Anna Zimmer";
    QTest::newRow("accents aside, no middle initial") << "Sean O'Brien"
                                                      << "Seán M. O'Brien";
    QTest::newRow("last name first, with the initial") << "O'Brien, Seán M"
                                                       << "Seán M. O'Brien";
    QTest::newRow("another preacher") << "Zimmer, Anne"
                                      << "";
}

// A list names a preacher in any form the program shows or a person types; only a name that
// matches nobody is offered as new, and the row shows the preacher it got.
void tst_ImportCsv::preacherMatch()
{
    QFETCH(QString, listed);
    QFETCH(QString, found);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, "
                                   "strMiddleInitial, strLastName, lngStateID) VALUES (7, 'Anna', "
                                   "'', 'Zimmer', 0), (8, 'Seán', 'M.', 'O''Brien', 0)")));
    ImportNames names;
    DbError error;
    QVERIFY(names.load(db.database(), error));
    ImportRow row;
    row.preacher = listed;
    names.resolve(row);
    QCOMPARE(row.preacherID, found.isEmpty() ? 0 : (found.startsWith(u'A') ? 7 : 8));
    QCOMPARE(row.preacher, found.isEmpty() ? listed : found);
    QCOMPARE(names.missing({ row }).preachers.size(), found.isEmpty() ? 1 : 0);
}

void tst_ImportCsv::writeList()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const bool createNames = QByteArray(QTest::currentDataTag()).startsWith("names made");
    const CsvImport::Sheet sheet = CsvImport::fromText(QStringLiteral("/lists/old.csv"),
        QStringLiteral("ID,Bible Reference,Preacher,Title,Big Idea,Date Preached,Location,Series,"
                       "Topics\r\n"
                       "40,John 3:16,Seán O'Brien,God So Loved,\"Love, given\",2019-05-05 "
                       "10:30:00,Main St,Gospel,GRACE; HOPE\r\n"
                       "41,,(No Preacher),No Text,,,,,\r\n"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    ImportReview review(PassageParser::libraryBooks());
    ImportNames names;
    DbError error;
    QVERIFY(names.load(db.database(), error));
    QList<ImportRow> rows = CsvImport::rows(
        sheet, CsvColumns::guess(sheet.headings), review, names, ImportReview::Defaults());
    review.refreshStatuses(rows);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).status, ImportRow::Status::Ready);
    QCOMPARE(rows.at(1).status, ImportRow::Status::NeedsPassage);
    const ImportNames::Missing missing = names.missing(rows);
    QCOMPARE(missing.describe(),
        QStringLiteral("Preachers: Seán O'Brien\nSeries: Gospel\nTopics: GRACE, HOPE"));

    const ImportOutcome out = ImportWriter::write(db.database(), rows, sheet.path,
        QStringLiteral("tester"), &names, createNames ? missing : ImportNames::Missing());
    QVERIFY2(out.ok, qPrintable(out.message + out.error.driverText));
    // An empty library has never handed these keys out: the list keeps them.
    QCOMPARE(out.sermonIDs, (QList<qint32> { 40, 41 }));
    QCOMPARE(db.scalar(QStringLiteral(
                           "SELECT lngNextID FROM tblTableIds WHERE strTableName = 'tblSermons'"))
                 .toInt(),
        42);
    QCOMPARE(db.scalar(QStringLiteral("SELECT strBigIdea FROM tblSermons WHERE lngSermonID = 40"))
                 .toString(),
        QStringLiteral("Love, given"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblSermonTopics")).toInt(),
        createNames ? 2 : 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT Count(*) FROM tblPreachers WHERE strLastName = "
                                      "'O''Brien' AND strFirstName = 'Seán'"))
                 .toInt(),
        createNames ? 1 : 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT p.strLastName FROM tblSermons s INNER JOIN "
                                      "tblPreachers p ON p.lngPreacherID = s.lngPreacherID "
                                      "WHERE s.lngSermonID = 40"))
                 .toString(),
        createNames ? QStringLiteral("O'Brien") : QStringLiteral("(No Preacher)"));

    // The same list again: keys 40 and 41 are taken, so the counter gives new ones.
    QVERIFY(names.load(db.database(), error));
    QList<ImportRow> again = CsvImport::rows(
        sheet, CsvColumns::guess(sheet.headings), review, names, ImportReview::Defaults());
    const ImportOutcome second = ImportWriter::write(
        db.database(), again, sheet.path, QString(), &names, ImportNames::Missing());
    QVERIFY2(second.ok, qPrintable(second.message));
    QCOMPARE(second.sermonIDs, (QList<qint32> { 42, 43 }));
}

QTEST_GUILESS_MAIN(tst_ImportCsv)
#include "tst_importcsv.moc"
