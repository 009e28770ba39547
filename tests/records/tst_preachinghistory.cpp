#include "OccasionReuse.h"
#include "PreachingHistory.h"
#include "ProgramTranslation.h"
#include "TestEnvironment.h"
#include "UserInterface.h"

#include <QTest>

using TestEnvironment::Engine;

// The preaching-history line and the reuse question, on both engines: dates just inside and
// just outside the period, places written with other case and blanks, illustrations heard
// through other sermons.
class tst_PreachingHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MsgBoxScript::setScripted(true);
        QVERIFY(ProgramTranslation::install()); // "1 time", "3 times"
    }
    void historyAndReuse_data()
    {
        TestEnvironment::addEngineColumn();
        TestEnvironment::addEngineRows();
    }
    void historyAndReuse();
};

namespace {

// Sermon 10 (own date 2020-06-14 at Main Street; occasions 2022-03-01 " main street " and
// 2019-01-01 "Elm Hall") shares "Lost Sheep" with sermon 20 (2021-05-05, "MAIN STREET") and
// "Prodigal" with sermon 30 (2015-01-01, "Main Street"). Sermon 40 has "Prodigal" and no
// occasion; sermon 50 has a place but no date.
bool loadLibrary(TestDatabase &db)
{
    const QStringList statements = {
        QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, "
                       "strDisplayText, dtDatePreached, strLocation) VALUES "
                       "(10, 0, 0, 'John 3:16', '2020-06-14', 'Main Street'), "
                       "(20, 0, 0, 'Luke 15', '2021-05-05', 'MAIN STREET'), "
                       "(30, 0, 0, 'Luke 15:11', '2015-01-01', 'Main Street'), "
                       "(40, 0, 0, 'Luke 15:20', NULL, NULL), "
                       "(50, 0, 0, 'Acts 2', NULL, 'Main Street')"),
        QStringLiteral("INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, "
                       "strLocation) VALUES (1, 10, '2022-03-01', ' main street '), "
                       "(2, 10, '2019-01-01', 'Elm Hall')"),
        QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName, strIllustration) VALUES "
                       "(7, 'Lost Sheep', 'One of a hundred'), (8, 'Prodigal', 'A son returns')"),
        QStringLiteral("INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) VALUES "
                       "(10, 7), (20, 7), (10, 8), (30, 8), (40, 8)"),
    };
    for (const QString &sql : statements) {
        if (!db.exec(sql)) {
            return false;
        }
    }
    return true;
}

QDateTime day(const char *iso)
{
    return QDateTime(QDate::fromString(QLatin1String(iso), Qt::ISODate), QTime(0, 0));
}

} // namespace

void tst_PreachingHistory::historyAndReuse()
{
    QFETCH(int, engine);
    TestDatabase db { Engine(engine) };
    REQUIRE_DATABASE(db);
    QVERIFY(loadLibrary(db));

    const struct
    {
        int sermon;
        const char *line;
    } histories[] = {
        { 10, "Last preached 3/1/2022 at main street; 3 times in all" },
        { 20, "Last preached 5/5/2021 at MAIN STREET; 1 time in all" },
        { 40, "" },
        { 50, "" },
    };
    for (const auto &item : histories) {
        QList<PreachingHistory::Occasion> occasions;
        DbError error;
        QVERIFY2(PreachingHistory::read({ item.sermon }, occasions, error),
            qPrintable(error.driverText));
        QCOMPARE(PreachingHistory::line(occasions), QString::fromUtf8(item.line));
        if (item.sermon == 10) {
            // In Spanish the day comes first.
            QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
            QCOMPARE(PreachingHistory::line(occasions),
                QStringLiteral("Predicado por última vez el 1/3/2022 en main street; 3 veces en "
                               "total"));
            QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
        }
    }

    const QString sermonThere
        = QStringLiteral("This sermon was preached at main street on 3/1/2022. ");
    const QString again = QStringLiteral("Record it again?");
    const struct
    {
        const char *name;
        int sermon;
        const char *place;
        const char *date;
        int years;
        QString question; // empty: no question
    } cases[] = {
        { "exactly the period after", 10, "Main Street", "2025-03-01", 3, sermonThere + again },
        { "a day beyond the period", 10, "Main Street", "2025-03-02", 3, QString() },
        { "before, within the period", 10, "main street", "2019-03-01", 3,
            sermonThere
                + QStringLiteral(
                    "The illustration \"Lost Sheep\" was used at MAIN STREET on 5/5/2021. ")
                + again },
        { "case and blanks, illustration at the edge", 10, "  MAIN street ", "2024-05-05", 3,
            sermonThere
                + QStringLiteral(
                    "The illustration \"Lost Sheep\" was used at MAIN STREET on 5/5/2021. ")
                + again },
        { "illustration a day outside", 10, "Main Street", "2024-05-06", 3, sermonThere + again },
        { "period 0 is off", 10, "Main Street", "2022-03-01", 0, QString() },
        { "another place", 10, "Oak Chapel", "2022-03-01", 3, QString() },
        { "one year", 10, "Elm Hall", "2019-06-01", 1,
            QStringLiteral("This sermon was preached at Elm Hall on 1/1/2019. ") + again },
        { "only an illustration", 40, "main street", "2016-01-01", 3,
            QStringLiteral("The illustration \"Prodigal\" was used at Main Street on 1/1/2015. ")
                + again },
        { "a place without a date is no occasion", 50, "Main Street", "2024-01-01", 3, QString() },
    };
    for (const auto &item : cases) {
        OccasionReuse::Finding finding;
        DbError error;
        QVERIFY2(OccasionReuse::find(item.sermon, QString::fromUtf8(item.place), day(item.date),
                     item.years, finding, error),
            qPrintable(error.driverText));
        const QString asked = finding.any() ? OccasionReuse::question(finding) : QString();
        QVERIFY2(asked == item.question,
            qPrintable(QLatin1String(item.name) + QStringLiteral(": ") + asked));
        if (qstrcmp(item.name, "before, within the period") == 0) {
            // The Spanish question orders its own words, and its dates day first.
            QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
            QCOMPARE(OccasionReuse::question(finding),
                QStringLiteral("Este sermón se predicó en main street el 1/3/2022. La ilustración "
                               "«Lost Sheep» se usó en MAIN STREET el 5/5/2021. ¿Registrar "
                               "esta ocasión de nuevo?"));
            QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
        }
    }
}

QTEST_GUILESS_MAIN(tst_PreachingHistory)
#include "tst_preachinghistory.moc"
