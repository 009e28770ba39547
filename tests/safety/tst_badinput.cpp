#include "PasswordEncode.h"
#include "ProgramGlobals.h"
#include "SafetySupport.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsDateLoc.h"
#include "clsIllustr.h"
#include "clsLocation.h"
#include "clsPreacher.h"
#include "clsPublisher.h"
#include "clsSeries.h"
#include "clsSermon.h"
#include "clsTopic.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QTest>
#include <functional>

using TestEnvironment::Engine;

// Whatever a user types or pastes into a text field: every text field of every record class
// and the sign-in's login id, on both engines.
class tst_BadInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void everyTextFieldTakesIt_data();
    void everyTextFieldTakesIt();

private:
    // One database with the demo library per engine, shared by all rows: each row removes
    // what it added, and making a server database per row would cost more than the row.
    TestDatabase &fixture(Engine engine);
    std::unique_ptr<TestDatabase> m_databases[2];
};

namespace {

// What one record operation did.
struct Outcome
{
    bool ok = false;
    qint32 key = 0;
    QString info; // the record's InfoMsg
    bool systemError = false; // "An Error Occurred in the System N" was shown
    bool callerError = false; // a failure kept for the calling screen (LastError)
};

// One text field of one record class, driven through the class itself.
struct FieldCase
{
    QString name; // "clsSermon.Title"
    QString table;
    QString keyColumn;
    QString column;
    QString prefix; // put in front of the text so the record's own check lets it through
    std::function<Outcome(const QString &)> add; // empty: the class never inserts
    std::function<Outcome(qint32, const QString &)> replace;
    std::function<QString(qint32)> readBack; // through the record; empty: no Find by key
    std::function<bool(qint32)> remove; // empty: the class never deletes
};

bool systemErrorShownSince(qsizetype before)
{
    const QStringList shown = MsgBoxScript::shown();
    for (qsizetype i = before; i < shown.size(); ++i) {
        if (shown.at(i).startsWith(QStringLiteral("An Error Occurred in the System ")))
            return true;
    }
    return false;
}

template <class R> void takeOutcome(R &record, Outcome &outcome, qsizetype shownBefore)
{
    outcome.info = record.InfoMsg();
    outcome.systemError = systemErrorShownSince(shownBefore);
    if constexpr (requires { record.LastError(); })
        outcome.callerError = record.LastError().isSet();
}

// The cases of one class: `fill` gives every field a plain, valid value; each field in
// `fields` then takes the text under test in turn.
template <class R> struct Kind
{
    QString table;
    QString keyColumn;
    void (R::*setKey)(qint32);
    qint32 (R::*key)() const;
    std::function<void(R &)> fill;
    bool findsByKey = true;
};

template <class R> struct Field
{
    QString column;
    void (R::*set)(const QString &);
    QString (R::*get)() const;
    QString prefix;
};

template <class R>
void addCases(QList<FieldCase> &cases, const char *className, const Kind<R> &kind,
    const QList<Field<R>> &fields)
{
    for (const Field<R> &field : fields) {
        FieldCase c;
        c.name = QString::fromLatin1(className) + QLatin1Char('.') + field.column;
        c.table = kind.table;
        c.keyColumn = kind.keyColumn;
        c.column = field.column;
        c.prefix = field.prefix;
        if constexpr (requires(R r) { r.AddNew(); }) {
            c.add = [kind, field](const QString &text) {
                Outcome outcome;
                const qsizetype shown = MsgBoxScript::shown().size();
                R record;
                kind.fill(record);
                (record.*field.set)(field.prefix + text);
                outcome.ok = record.AddNew();
                outcome.key = (record.*kind.key)();
                takeOutcome(record, outcome, shown);
                return outcome;
            };
        }
        c.replace = [kind, field](qint32 key, const QString &text) {
            Outcome outcome;
            const qsizetype shown = MsgBoxScript::shown().size();
            R record;
            kind.fill(record);
            (record.*kind.setKey)(key);
            (record.*field.set)(field.prefix + text);
            outcome.ok = record.Replace();
            outcome.key = key;
            takeOutcome(record, outcome, shown);
            return outcome;
        };
        if constexpr (requires(R r) { r.Find(); }) {
            if (kind.findsByKey) {
                c.readBack = [kind, field](qint32 key) {
                    R record;
                    (record.*kind.setKey)(key);
                    return record.Find() ? (record.*field.get)() : QStringLiteral("<not found>");
                };
            }
        }
        if constexpr (requires(R r) { r.Delete(); }) {
            c.remove = [kind](qint32 key) {
                R record;
                (record.*kind.setKey)(key);
                return record.Delete();
            };
        }
        cases.append(c);
    }
}

QList<FieldCase> allTextFields(qint32 hostSermon)
{
    QList<FieldCase> cases;
    addCases<clsSermon>(cases, "clsSermon",
        { QStringLiteral("tblSermons"), QStringLiteral("lngSermonID"), &clsSermon::setSermonID,
            &clsSermon::SermonID,
            [](clsSermon &r) {
                r.setBibleBookID(43);
                r.setBeginChapter(3);
                r.setBeginVerse(16);
                r.setReference(QStringLiteral("John 3:16"));
                r.setTitle(QStringLiteral("Plain title"));
            } },
        { { QStringLiteral("strDisplayText"), &clsSermon::setReference, &clsSermon::Reference, {} },
            { QStringLiteral("strTitle"), &clsSermon::setTitle, &clsSermon::Title, {} },
            { QStringLiteral("strBigIdea"), &clsSermon::setBigIdea, &clsSermon::BigIdea, {} },
            { QStringLiteral("strOutline"), &clsSermon::setOutline, &clsSermon::Outline, {} },
            { QStringLiteral("strLocation"), &clsSermon::setLocation, &clsSermon::Location, {} } });
    addCases<clsPreacher>(cases, "clsPreacher",
        { QStringLiteral("tblPreachers"), QStringLiteral("lngPreacherID"),
            &clsPreacher::setPreacherID, &clsPreacher::PreacherID,
            [](clsPreacher &r) { r.setLastName(QStringLiteral("Plain")); } },
        { { QStringLiteral("strLastName"), &clsPreacher::setLastName, &clsPreacher::LastName, {} },
            { QStringLiteral("strFirstName"), &clsPreacher::setFirstName, &clsPreacher::FirstName,
                {} },
            { QStringLiteral("strMiddleInitial"), &clsPreacher::setMiddleInitial,
                &clsPreacher::MiddleInitial, {} },
            { QStringLiteral("strCity"), &clsPreacher::setCity, &clsPreacher::City, {} },
            { QStringLiteral("strCountry"), &clsPreacher::setCountry, &clsPreacher::Country, {} },
            { QStringLiteral("strOrganization"), &clsPreacher::setOrganization,
                &clsPreacher::Organization, {} },
            { QStringLiteral("strPosition"), &clsPreacher::setPosition, &clsPreacher::Position,
                {} },
            { QStringLiteral("strSeminary"), &clsPreacher::setSeminary, &clsPreacher::Seminary,
                {} },
            { QStringLiteral("strNotes"), &clsPreacher::setNotes, &clsPreacher::Notes, {} } });
    addCases<clsPublisher>(cases, "clsPublisher",
        { QStringLiteral("tblPublishers"), QStringLiteral("lngPublisherID"),
            &clsPublisher::setPublisherID, &clsPublisher::PublisherID,
            [](clsPublisher &r) { r.setPublisher(QStringLiteral("Plain Press")); } },
        { { QStringLiteral("strPublisher"), &clsPublisher::setPublisher, &clsPublisher::Publisher,
              {} },
            { QStringLiteral("strCity"), &clsPublisher::setCity, &clsPublisher::City, {} } });
    addCases<clsTopic>(cases, "clsTopic",
        { QStringLiteral("tblTopics"), QStringLiteral("lngTopicID"), &clsTopic::setTopicID,
            &clsTopic::TopicID, [](clsTopic &r) { r.setDescription(QStringLiteral("PLAIN")); } },
        { { QStringLiteral("strTopic"), &clsTopic::setDescription, &clsTopic::Description, {} } });
    addCases<clsIllustr>(cases, "clsIllustr",
        { QStringLiteral("tblIllustr"), QStringLiteral("lngIllustrID"),
            &clsIllustr::setIllustrationID, &clsIllustr::IllustrationID,
            [](clsIllustr &r) {
                r.setName(QStringLiteral("Plain"));
                r.setIllustration(QStringLiteral("A plain story."));
            } },
        { { QStringLiteral("strName"), &clsIllustr::setName, &clsIllustr::Name, {} },
            { QStringLiteral("strIllustration"), &clsIllustr::setIllustration,
                &clsIllustr::Illustration, {} } });
    // The year must start with a year to pass the series' own check.
    addCases<clsSeries>(cases, "clsSeries",
        { QStringLiteral("tblSeries"), QStringLiteral("lngSeriesID"), &clsSeries::setSeriesID,
            &clsSeries::SeriesID,
            [](clsSeries &r) {
                r.setName(QStringLiteral("Plain Series"));
                r.setPubYear(QStringLiteral("1998"));
            } },
        { { QStringLiteral("strName"), &clsSeries::setName, &clsSeries::Name, {} },
            { QStringLiteral("strPubTitle"), &clsSeries::setPubTitle, &clsSeries::PubTitle, {} },
            { QStringLiteral("strPubYear"), &clsSeries::setPubYear, &clsSeries::PubYear,
                QStringLiteral("1998 ") },
            { QStringLiteral("strNotes"), &clsSeries::setNotes, &clsSeries::Notes, {} } });
    // Find of an occasion looks up by sermon, not by its own key: read back by column only.
    Kind<clsDateLoc> occasion { QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID"),
        &clsDateLoc::setDateLocID, &clsDateLoc::DateLocID, [hostSermon](clsDateLoc &r) {
            r.setSermonID(hostSermon);
            r.setDatePreached(QDateTime(QDate(1998, 6, 15), QTime(0, 0)));
            r.setLocation(QStringLiteral("Plain Church"));
        } };
    occasion.findsByKey = false;
    addCases<clsDateLoc>(cases, "clsDateLoc", occasion,
        { { QStringLiteral("strLocation"), &clsDateLoc::setLocation, &clsDateLoc::Location, {} } });
    // The default location is one row that is only ever rewritten.
    const Kind<clsLocation> location { QStringLiteral("tblLocation"),
        QStringLiteral("lngLocationID"), &clsLocation::setLocationID, &clsLocation::LocationID,
        [](clsLocation &) {} };
    addCases<clsLocation>(cases, "clsLocation", location,
        { { QStringLiteral("strLocation"), &clsLocation::setLocation, &clsLocation::Location,
            {} } });
    return cases;
}

// Every row of a table but `skip` as key -> digest of all its columns, to prove that no other
// row changed. The row under test is left out: it may hold a megabyte.
QHash<qint32, QByteArray> tableDigest(
    TestDatabase &db, const QString &table, const QString &keyColumn, qint32 skip = -1)
{
    QHash<qint32, QByteArray> rows;
    DbError error;
    auto rs = db.database().openSnapshot(
        QStringLiteral("SELECT * FROM %1 WHERE %2 <> %3").arg(table, keyColumn).arg(skip), error);
    if (!rs) {
        qWarning("cannot read %s: %s", qPrintable(table), qPrintable(error.driverText));
        return rows;
    }
    for (; !rs->eof(); rs->moveNext()) {
        QCryptographicHash digest(QCryptographicHash::Sha1);
        for (int i = 0; i < rs->fieldCount(); ++i) {
            const QVariant value = rs->field(i);
            digest.addData(value.isNull() ? QByteArrayView("\x01null")
                                          : QByteArrayView(value.toString().toUtf8()));
            digest.addData(QByteArrayView("\x00", 1));
        }
        rows.insert(NullToLong(rs->field(keyColumn)), digest.result());
    }
    return rows;
}

QString storedText(TestDatabase &db, const FieldCase &c, qint32 key)
{
    return NullToText(db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4")
                                    .arg(c.column, c.table, c.keyColumn)
                                    .arg(key)));
}

// The rows other than `changed` (which `after` leaves out) are exactly those of `before`.
bool onlyRowChanged(QHash<qint32, QByteArray> before, const QHash<qint32, QByteArray> &after,
    qint32 changed, QString &why)
{
    before.remove(changed);
    if (after.size() != before.size()) {
        why = QStringLiteral("%1 other rows before, %2 after").arg(before.size()).arg(after.size());
        return false;
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value()) {
            why = QStringLiteral("row %1 changed").arg(it.key());
            return false;
        }
    }
    return true;
}

int rowsWithKey(TestDatabase &db, const FieldCase &c, qint32 key)
{
    return NullToLong(db.scalar(
        QStringLiteral("SELECT count(*) FROM %1 WHERE %2=%3").arg(c.table, c.keyColumn).arg(key)));
}

QString describe(const Outcome &o)
{
    return QStringLiteral("ok=%1 info='%2' systemError=%3 callerError=%4 shown=%5")
        .arg(o.ok)
        .arg(o.info)
        .arg(o.systemError)
        .arg(o.callerError)
        .arg(MsgBoxScript::shown().join(QStringLiteral(" | ")).left(300));
}

} // namespace

void tst_BadInput::initTestCase()
{
    // This suite is about what texts do to statements and rows, not about surviving a power
    // cut: its SQLite files go to a RAM file system where there is one, so the seven hundred
    // flushes to disk each row of the table below would cost take no time (the server's
    // session likewise does not wait for its disk). Everything else about the files and the
    // engines is the same.
    if (QFileInfo(QStringLiteral("/dev/shm")).isDir()
        && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
}

void tst_BadInput::cleanupTestCase()
{
    for (auto &database : m_databases)
        database.reset();
}

TestDatabase &tst_BadInput::fixture(Engine engine)
{
    std::unique_ptr<TestDatabase> &database = m_databases[engine == Engine::SQLite ? 0 : 1];
    if (!database) {
        database = std::make_unique<TestDatabase>(engine, true);
        // As with the SQLite files: no waiting for the server's disk on every commit.
        if (database->isReady() && engine == Engine::PostgreSQL)
            database->exec(QStringLiteral("SET synchronous_commit TO off"));
    }
    setProgramConnection(database->isReady() ? &database->connection() : nullptr);
    return *database;
}

void tst_BadInput::init()
{
    MsgBoxScript::setScripted(true);
    MsgBoxScript::clear();
}

void tst_BadInput::everyTextFieldTakesIt_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("text");
    // "stored": the field must come back exactly (blank-trimmed); "refused": the engine must
    // refuse it with a message; "either": one of the two, whichever the engine does. A NUL
    // is the one such text: PostgreSQL has no place for it in a text, and SQLite (3.40) reads
    // a statement only up to it, which leaves a literal open, so both refuse it.
    QTest::addColumn<QString>("expect");
    // What "stored" reads back before blank-trimming, when it is not the text itself.
    QTest::addColumn<QString>("storedAs");

    QString megabyte;
    while (megabyte.size() < qsizetype(1024) * 1024)
        megabyte += QStringLiteral("O'Brien \\ 100% _x_ \"q\" \u05e9\u05dc\u05d5\u05dd e\u0301 "
                                   "\u1f00\u03b3\u03ac\u03c0\u03b7 {fn x} ?\n");
    QString nul = QStringLiteral("before");
    nul += QChar(0);
    nul += QStringLiteral("after ' quote");
    // A lone surrogate is half a character (a broken paste); it must not take the quote after
    // it along, and it is stored as U+FFFD, the replacement character.
    const auto beforeAQuote = [](QChar c) -> QString {
        return QStringLiteral("half ") + c + QStringLiteral("' WHERE 1=1 --");
    };

    const struct
    {
        const char *name;
        QString text;
        const char *sqlite;
        const char *postgres;
        QString storedAs;
    } inputs[] = {
        { "quotes",
            QStringLiteral("O'Brien '' ''' x'); DELETE FROM tblSermons; -- ' OR '1'='1 \"dq\" "
                           "\u2018curly\u2019 '"),
            "stored", "stored", {} },
        { "backslashes", QStringLiteral("C:\\Sermons\\ \\' \\\\' \\0 \\x27 \\n E'\\'' end\\"),
            "stored", "stored", {} },
        { "wildcards", QStringLiteral("100% _sure_ %% __ [a-z]* ? % _"), "stored", "stored", {} },
        { "driver escapes",
            QStringLiteral("{fn UCASE('x')} {d '1998-06-15'} {call p(?)} ? ?? :name @v $1 $$d$$ /* "
                           "c */ -- c ;"),
            "stored", "stored", {} },
        { "control characters", QStringLiteral("\ttab\r\nline\x01\x07\x1b\x7f\u0085\u2028end\t"),
            "stored", "stored", {} },
        { "surrounding blanks", QStringLiteral("   padded text   "), "stored", "stored", {} },
        { "invalid UTF-8",
            QString::fromUtf8(
                "\xff\xfe bad \xc3\x28 \xe2\x82 \xed\xa0\x80 \xf4\x90\x80\x80 \xc0\xaf end"),
            "stored", "stored", {} },
        { "right-to-left",
            QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 "
                           "\u202eabc\u202c \u200f\u061c \u2067\u05d0\u2069 1 2"),
            "stored", "stored", {} },
        { "combining",
            QStringLiteral(
                "e\u0301 a\u0308\u0323 Z\u0351\u0352\u0353\u0354\u0355\u0356\u0357\u0358\u0359 "
                "\u0915\u094d\u0937 \u1100\u1161\u11a8"),
            "stored", "stored", {} },
        { "outside the BMP",
            QStringLiteral("\U0001D11E \U0001F468\u200D\U0001F469\u200D\U0001F467 "
                           "\U0001F3F3\uFE0F\u200D\U0001F308 \uFEFF \uFFFD \U0010FFFD"),
            "stored", "stored", {} },
        { "1 MB", megabyte, "stored", "stored", {} },
        { "NUL", nul, "either", "refused", {} },
        { "lone high surrogate", beforeAQuote(QChar(0xD800)), "stored", "stored",
            beforeAQuote(QChar::ReplacementCharacter) },
        { "lone low surrogate", beforeAQuote(QChar(0xDC00)), "stored", "stored",
            beforeAQuote(QChar::ReplacementCharacter) },
    };
    for (const auto &input : inputs) {
        const QString storedAs = input.storedAs.isNull() ? input.text : input.storedAs;
        QTest::newRow(QByteArray(QByteArray("sqlite/") + input.name).constData())
            << int(Engine::SQLite) << input.text << QString::fromLatin1(input.sqlite) << storedAs;
        QTest::newRow(QByteArray(QByteArray("postgres/") + input.name).constData()) << int(
            Engine::PostgreSQL) << input.text << QString::fromLatin1(input.postgres) << storedAs;
    }
}

// Each text field takes the text in a new row (AddNew) and in an existing one (Replace).
// Either the field then reads back exactly as given (less surrounding blanks, which are
// trimmed by design) through the record (straight from its column for the two classes that
// do not find a row by its key), or the operation fails with the record's message and an
// error shown or handed to the screen. Either way no other row of the table changed, and
// the rows made for the case delete cleanly. The sign-in
// look-up takes the same text as a login id: a user who is not there is said to be missing,
// and a user whose login id is exactly that text is found.
void tst_BadInput::everyTextFieldTakesIt()
{
    QFETCH(int, engine);
    QFETCH(QString, text);
    QFETCH(QString, expect);
    QFETCH(QString, storedAs);
    TestDatabase &db = fixture(Engine(engine));
    REQUIRE_DATABASE(db);

    clsSermon host;
    host.setReference(QStringLiteral("Host 1:1"));
    QVERIFY(host.AddNew());

    int stored = 0;
    int refused = 0;
    for (const FieldCase &c : allTextFields(host.SermonID())) {
        MsgBoxScript::clear();
        // The row that Replace rewrites: a new plain one, or the one default location.
        qint32 plainKey = 1;
        if (c.add) {
            const Outcome plain = c.add(QStringLiteral("plain"));
            QVERIFY2(plain.ok, qPrintable(c.name + QStringLiteral(": ") + describe(plain)));
            plainKey = plain.key;
        }
        const QString plainBefore = storedText(db, c, plainKey);
        // Through the record where it finds rows by key, else straight from the column.
        const auto readBack
            = [&](qint32 key) { return c.readBack ? c.readBack(key) : storedText(db, c, key); };

        QList<Outcome> outcomes;
        if (c.add) {
            const auto before = tableDigest(db, c.table, c.keyColumn);
            const Outcome added = c.add(text);
            const auto after = tableDigest(db, c.table, c.keyColumn, added.key);
            QString why;
            QVERIFY2(onlyRowChanged(before, after, added.key, why),
                qPrintable(c.name + QStringLiteral(" AddNew: ") + why));
            QCOMPARE(rowsWithKey(db, c, added.key), added.ok ? 1 : 0);
            if (added.ok) {
                QVERIFY2(readBack(added.key) == TrimBlanks(c.prefix + storedAs),
                    qPrintable(c.name + QStringLiteral(" AddNew: reads back other text")));
                QVERIFY2(
                    c.remove(added.key), qPrintable(c.name + QStringLiteral(": Delete failed")));
            }
            outcomes << added;
        }
        {
            const auto before = tableDigest(db, c.table, c.keyColumn, plainKey);
            const Outcome replaced = c.replace(plainKey, text);
            const auto after = tableDigest(db, c.table, c.keyColumn, plainKey);
            QString why;
            QVERIFY2(onlyRowChanged(before, after, plainKey, why),
                qPrintable(c.name + QStringLiteral(" Replace: ") + why));
            if (replaced.ok) {
                QVERIFY2(readBack(plainKey) == TrimBlanks(c.prefix + storedAs),
                    qPrintable(c.name + QStringLiteral(" Replace: reads back other text")));
            } else {
                QVERIFY2(storedText(db, c, plainKey) == plainBefore,
                    qPrintable(c.name + QStringLiteral(" Replace failed but changed its row")));
            }
            outcomes << replaced;
        }
        for (const Outcome &o : outcomes) {
            if (o.ok) {
                ++stored;
                QVERIFY2(expect != QLatin1String("refused"),
                    qPrintable(c.name + QStringLiteral(" took a text the server must refuse")));
            } else {
                ++refused;
                QVERIFY2(expect != QLatin1String("stored"),
                    qPrintable(c.name + QStringLiteral(": ") + describe(o)));
                // Refused clearly: the record's message, and the engine's error either shown
                // (trapped classes) or kept for the screen (series and occasions).
                QVERIFY2(!o.info.isEmpty() && (o.systemError || o.callerError),
                    qPrintable(c.name + QStringLiteral(": ") + describe(o)));
            }
        }
        if (c.add)
            QVERIFY2(c.remove(plainKey),
                qPrintable(c.name + QStringLiteral(": Delete of the plain row failed")));
        else
            QVERIFY(c.replace(plainKey, QStringLiteral("Church")).ok);
    }
    qInfo("%d writes stored exactly, %d refused with a message", stored, refused);
    // One engine, one text: every field behaves alike.
    QVERIFY2(stored == 0 || refused == 0, "some fields stored the text and others refused it");

    // The sign-in look-up with the text as login id.
    clsConnect &connection = db.connection();
    const auto usersBefore
        = tableDigest(db, QStringLiteral("tblUsers"), QStringLiteral("lngUserID"));
    MsgBoxScript::clear();
    connection.setLoginID(text);
    QVERIFY(!connection.UserCheck(PasswordEncode(QStringLiteral("sermon"))));
    const QStringList shown = MsgBoxScript::shown();
    QCOMPARE(shown.size(), 1);
    if (refused == 0)
        QCOMPARE(shown.first(),
            QStringLiteral("No User Exists With the Login ID '") + text + QLatin1Char('\''));
    else
        QVERIFY2(shown.first().startsWith(QStringLiteral("An Error Occurred in the System ")),
            qPrintable(shown.first().left(200)));
    QVERIFY(
        tableDigest(db, QStringLiteral("tblUsers"), QStringLiteral("lngUserID")) == usersBefore);

    // A user whose login id is exactly this text signs in with it, and only that user.
    const QString insertUser
        = QStringLiteral("INSERT INTO tblUsers (lngUserID, strLoginID, strFirstName, strLastName, "
                         "strPassword, lngGroupID, intConcurrencyID) VALUES (7, '")
        + ReplaceAll(text, QStringLiteral("'"), QStringLiteral("''"))
        + QStringLiteral("', 'Bad', 'Input', ") + SQLText(PasswordEncode(QStringLiteral("sermon")))
        + QStringLiteral(", 2, 0)");
    DbError error;
    int affected = 0;
    if (db.database().execute(insertUser, &affected, error)) {
        MsgBoxScript::clear();
        QVERIFY(connection.UserCheck(PasswordEncode(QStringLiteral("sermon"))));
        QCOMPARE(connection.UserID(), 7);
        QCOMPARE(connection.UserGroup(), 2);
        QVERIFY(MsgBoxScript::shown().isEmpty());
        QVERIFY(db.exec(QStringLiteral("DELETE FROM tblUsers WHERE lngUserID=7")));
    } else {
        QVERIFY2(refused > 0, qPrintable(error.driverText));
    }
    QVERIFY(host.Delete());
}

QTEST_GUILESS_MAIN(tst_BadInput)
#include "tst_badinput.moc"
