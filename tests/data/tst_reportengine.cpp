#include "DbDatabase.h"
#include "DbDayNumber.h"
#include "DbLargeGrouping.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QTest>

using TestEnvironment::Engine;

// What the engine layer gives the reports' grouped statements: days as numbers and as the
// cheaper values a server compares, on both engines, and the server session's settings.
class tst_ReportEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { MsgBoxScript::setScripted(true); }
    void sqliteDayNumberFunctionIsTheExpression_data();
    void sqliteDayNumberFunctionIsTheExpression();
    void serverYearNumberIsTheDayNumbersYear();
    void dayValuesCompareAsDays_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void dayValuesCompareAsDays();
    void caselessTextsAreTheProgramsRule_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void caselessTextsAreTheProgramsRule();
    void serverSessionSettings_data();
    void serverSessionSettings();
};

// The reports count dates through a function of the program's own; it must give what the
// expression it replaces gives for every stored value, dates or not.
void tst_ReportEngine::sqliteDayNumberFunctionIsTheExpression_data()
{
    QTest::addColumn<QString>("value"); // an SQL literal, as stored
    QTest::addColumn<QVariant>("expected"); // invalid for Null; true where only equality counts
    QTest::newRow("ISO") << "'1998-06-15'" << QVariant(19980615);
    QTest::newRow("ISO with time") << "'1998-06-15 19:30:00'" << QVariant(19980615);
    QTest::newRow("ISO out of range") << "'2020-13-45'" << QVariant(20201345);
    QTest::newRow("US with time") << "'6/15/1998 7:30:00 PM'" << QVariant(19980615);
    QTest::newRow("US padded") << "'06/07/2020'" << QVariant(20200607);
    QTest::newRow("US, more slashes") << "'1/2/3/2020'" << QVariant(30102);
    QTest::newRow("US, year cut short") << "'1/2/3x/2020'" << QVariant(30102);
    QTest::newRow("US, two-digit year") << "'6/15/98'" << QVariant();
    QTest::newRow("US, blank first") << "' 6/15/1998'" << QVariant();
    QTest::newRow("US, blank after slash") << "'1/ 2/2020'" << QVariant();
    QTest::newRow("US, letters in the day") << "'1/2a/2020'" << QVariant(20200102);
    QTest::newRow("US, huge month") << "'12345678901234567890/1/2020'" << QVariant(true);
    QTest::newRow("zero date ISO") << "'1899-12-30'" << QVariant();
    QTest::newRow("zero date US") << "'12/30/1899 00:00:00'" << QVariant();
    QTest::newRow("accented text") << "'1/\u00e9/2020'" << QVariant();
    QTest::newRow("empty") << "''" << QVariant();
    QTest::newRow("words") << "'Easter 2020'" << QVariant();
    QTest::newRow("number") << "20200101" << QVariant();
    QTest::newRow("Null") << "NULL" << QVariant();
}

void tst_ReportEngine::sqliteDayNumberFunctionIsTheExpression()
{
    QFETCH(QString, value);
    QFETCH(QVariant, expected);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    DbError error;
    auto row = db.database().openSnapshot(
        QStringLiteral("SELECT %1, %2")
            .arg(db.database().dayNumberSql(value), DbDayNumber::sqliteSql(value)),
        error);
    QVERIFY2(row && !row->eof(), qPrintable(error.driverText));
    QVERIFY2(db.database().dayNumberSql(value).startsWith(QLatin1String("lectorum_daynumber")),
        "the function is in use");
    QCOMPARE(row->field(0), row->field(1));
    if (!expected.isValid())
        QVERIFY(row->field(0).isNull());
    else if (expected.typeId() != QMetaType::Bool)
        QCOMPARE(row->field(0).toLongLong(), expected.toLongLong());
}

// A report that reads only the year takes a cheaper number on the server: the day number
// with month and day left out, Null exactly where the day number is (the zero date at any
// time of its day).
void tst_ReportEngine::serverYearNumberIsTheDayNumbersYear()
{
    TestDatabase db { Engine::PostgreSQL };
    REQUIRE_DATABASE(db);
    const char *const stamps[] = { "1998-06-15 00:00:00", "1998-12-31 23:59:59",
        "0001-01-01 00:00:00", "1899-12-30 00:00:00", "1899-12-30 19:30:00", "1899-12-29 23:59:59",
        "1899-12-31 00:00:00", nullptr };
    for (const char *stamp : stamps) {
        const QString value = stamp
            ? QStringLiteral("CAST('%1' AS TIMESTAMP)").arg(QLatin1String(stamp))
            : QStringLiteral("CAST(NULL AS TIMESTAMP)");
        DbError error;
        auto row = db.database().openSnapshot(
            QStringLiteral("SELECT %1, (%2) / 10000 * 10000")
                .arg(db.database().yearNumberSql(value), db.database().dayNumberSql(value)),
            error);
        QVERIFY2(row && !row->eof(), qPrintable(error.driverText));
        QCOMPARE(row->field(0).isNull(), row->field(1).isNull());
        QCOMPARE(row->field(0).toLongLong(), row->field(1).toLongLong());
    }
}

// The reports' cheaper day values (dates on a server) order, shift by whole years and turn
// back into day numbers as the day numbers themselves do; a time of day does not count.
void tst_ReportEngine::dayValuesCompareAsDays()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    DbDatabase &database = db.database();
    const struct
    {
        const char *stored, *other;
        int years;
    } cases[] = {
        { "2020-02-29", "2023-02-28 23:59:59", 3 }, // no 29 February in 2023: the 28th counts
        { "2020-02-29", "2023-03-01", 3 },
        { "2020-02-29 10:00:00", "2024-02-29 23:00:00", 4 },
        { "2021-06-15 19:30:00", "2022-06-15", 1 },
        { "2021-06-15", "2022-06-16", 1 },
        { "2021-06-15", "2021-06-14", 0 },
    };
    auto column = [engine](const char *stored) {
        const QString text = SQLText(QString::fromLatin1(stored));
        return Engine(engine) == Engine::PostgreSQL
            ? QStringLiteral("CAST(%1 AS TIMESTAMP)").arg(text)
            : text;
    };
    for (const auto &c : cases) {
        const QDateTime stored = DateFromValue(QString::fromLatin1(c.stored));
        const QDateTime other = DateFromValue(QString::fromLatin1(c.other));
        const QString value = database.dayValueSql(column(c.stored));
        DbError error;
        auto row = database.openSnapshot(
            QStringLiteral("SELECT CASE WHEN %1 <= %2 THEN 1 ELSE 0 END, %3, CASE WHEN %4 THEN "
                           "1 ELSE 0 END, CASE WHEN %5 THEN 1 ELSE 0 END")
                .arg(database.dayValueSql(column(c.other)),
                    database.dayValuePlusYearsSql(value, c.years),
                    database.dayNumberOfValueSql(value),
                    database.onDaySql(column(c.other), database.dayValueLiteral(other.date())),
                    database.onDaySql(
                        column(c.other), database.dayValueLiteral(other.date().addDays(1)))),
            error);
        QVERIFY2(row && !row->eof(), qPrintable(error.driverText));
        QCOMPARE(row->field(0).toInt() == 1, other.date() <= stored.date().addYears(c.years));
        const QDate day = stored.date();
        QCOMPARE(row->field(1).toLongLong(), day.year() * 10000 + day.month() * 100 + day.day());
        QCOMPARE(row->field(2).toInt(), 1);
        QCOMPARE(row->field(3).toInt(), 0);
    }
}

// Places the program takes for one without regard to case (QString::compare) are one to the
// reports' statements on both engines, letters beyond ASCII too, and others stay apart.
void tst_ReportEngine::caselessTextsAreTheProgramsRule()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    const DbDatabase &database = db.database();
    const struct
    {
        const char *a, *b;
    } pairs[] = {
        { "MAIN street", "main STREET" },
        { "église Saint-Jean", "ÉGLISE SAINT-JEAN" },
        { "Ärger", "ärger" },
        { "Straße", "STRASSE" },
        { "Elm Hall", "Elm Hal" },
    };
    for (const auto &pair : pairs) {
        const QString a = QString::fromUtf8(pair.a);
        const QString b = QString::fromUtf8(pair.b);
        const QVariant same
            = db.scalar(QStringLiteral("SELECT CASE WHEN %1 = %2 THEN 1 ELSE 0 END")
                            .arg(database.caselessSql(SQLText(a)),
                                database.bytewiseSql(database.caselessSql(SQLText(b)))));
        QCOMPARE(same.toInt() == 1, a.compare(b, Qt::CaseInsensitive) == 0);
    }
    QVERIFY(db.scalar(QStringLiteral("SELECT ") + database.caselessSql(QStringLiteral("NULL")))
                .isNull());
}

void tst_ReportEngine::serverSessionSettings_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QString>("mergeJoins");
    QTest::newRow("the default is raised")
        << QStringLiteral("4MB") << QStringLiteral("32MB") << QStringLiteral("on");
    QTest::newRow("odd units come back as written")
        << QStringLiteral("5000kB") << QStringLiteral("32MB") << QStringLiteral("on");
    QTest::newRow("as large already")
        << QStringLiteral("32MB") << QStringLiteral("32MB") << QStringLiteral("on");
    QTest::newRow("larger is kept, merge joins off already")
        << QStringLiteral("1GB") << QStringLiteral("1GB") << QStringLiteral("off");
}

// The program's session runs without the JIT compiler, and a large grouping's extra sort
// memory and hash joins are the session's for that report alone.
void tst_ReportEngine::serverSessionSettings()
{
    QFETCH(QString, before);
    QFETCH(QString, during);
    QFETCH(QString, mergeJoins);
    TestDatabase db { Engine::PostgreSQL };
    REQUIRE_DATABASE(db);
    const QVariant jit = db.scalar(QStringLiteral("SELECT current_setting('jit', true)"));
    QVERIFY(jit.isNull() || jit.toString() == QLatin1String("off"));
    QVERIFY(db.exec(QStringLiteral("SET work_mem TO '%1'").arg(before)));
    QVERIFY(db.exec(QStringLiteral("SET enable_mergejoin TO ") + mergeJoins));
    const QString shown = db.scalar(QStringLiteral("SHOW work_mem")).toString();
    {
        DbLargeGrouping grouping(db.database(), 32);
        QCOMPARE(db.scalar(QStringLiteral("SHOW work_mem")).toString(), during);
        QCOMPARE(
            db.scalar(QStringLiteral("SHOW enable_mergejoin")).toString(), QStringLiteral("off"));
    }
    QCOMPARE(db.scalar(QStringLiteral("SHOW work_mem")).toString(), shown);
    QCOMPARE(db.scalar(QStringLiteral("SHOW enable_mergejoin")).toString(), mergeJoins);
}

QTEST_GUILESS_MAIN(tst_ReportEngine)
#include "tst_reportengine.moc"
