// lectorum_contains reads SQLite's UTF-8 directly; the program's own test reads the same
// text as UTF-16 through the driver and asks QStringMatcher. These suites hold the two to the
// same verdict on every pair, judging by the texts as the driver hands them back.

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"
#include "TestEnvironment.h"

#include <QRandomGenerator>
#include <QStringMatcher>
#include <QTest>
#include <algorithm>

using TestEnvironment::Engine;

class tst_TextContains : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void agreesWithQt_data();
    void agreesWithQt();
    void agreesWithQtOnRandomText();
};

namespace {

bool qtFinds(const QString &field, const QString &search)
{
    return !field.isEmpty()
        && (search.isEmpty() || QStringMatcher(search, Qt::CaseInsensitive).indexIn(field) >= 0);
}

// Letters that fold oddly or into ASCII, combining marks, typographic punctuation, and
// characters beyond the BMP whose folded form cut to 16 bits is an ASCII or Cyrillic letter.
const QStringList alphabet = {
    QStringLiteral("a"),
    QStringLiteral("A"),
    QStringLiteral("k"),
    QStringLiteral("K"),
    QStringLiteral("s"),
    QStringLiteral("S"),
    QStringLiteral("i"),
    QStringLiteral("I"),
    QStringLiteral(" "),
    QStringLiteral("\u212A"),
    QStringLiteral("\u017F"),
    QStringLiteral("\u00DF"),
    QStringLiteral("\u1E9E"),
    QStringLiteral("\u0131"),
    QStringLiteral("\u0130"),
    QStringLiteral("\u0301"),
    QStringLiteral("\u00E9"),
    QStringLiteral("\u00C9"),
    QStringLiteral("\u03C3"),
    QStringLiteral("\u03C2"),
    QStringLiteral("\u03A3"),
    QStringLiteral("\u0430"),
    QStringLiteral("\u0410"),
    QStringLiteral("\u201C"),
    QStringLiteral("\u2014"),
    QStringLiteral("\uFF21"),
    QStringLiteral("\uFFFE"),
    QStringLiteral("\U00010400"),
    QStringLiteral("\U00010428"),
    QStringLiteral("\U00010430"),
    QStringLiteral("\U00010061"),
    QStringLiteral("\U00010041"),
    QStringLiteral("\U0001F600"),
};

} // namespace

void tst_TextContains::agreesWithQt_data()
{
    // The field as SQL (a literal, or bytes cast to text) and the search text.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("search");
    auto text = [](const char *name, const QString &field, const QString &search) {
        QTest::newRow(name) << SQLQuoted(field) << search;
    };
    text("ASCII, either case", QStringLiteral("Amazing GRACE"), QStringLiteral("grace"));
    text("after a partial match", QStringLiteral("gragrace"), QStringLiteral("grace"));
    text("at the very end", QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxgrac"),
        QStringLiteral("grace"));
    text("Kelvin sign is k", QStringLiteral("300 \u212Aelvin"), QStringLiteral("kelvin"));
    text("Kelvin sign second", QStringLiteral("as\u212A him"), QStringLiteral("ask"));
    text("long s is s", QStringLiteral("Ble\u017F\u017Fed"), QStringLiteral("blessed"));
    text("sharp s is not ss", QStringLiteral("Stra\u00DFe"), QStringLiteral("strasse"));
    text(
        "capital sharp s is sharp s", QStringLiteral("STRA\u1E9EE"), QStringLiteral("stra\u00DFe"));
    text("dotless i is not i", QStringLiteral("\u0131spanak"), QStringLiteral("ispanak"));
    text("dotted capital I", QStringLiteral("\u0130stanbul"), QStringLiteral("istanbul"));
    text("dotted capital I itself", QStringLiteral("\u0130stanbul"),
        QStringLiteral("\u0130STANBUL"));
    text("combining acute is not precomposed", QStringLiteral("Jose\u0301"),
        QStringLiteral("jos\u00E9"));
    text("combining acute found as typed", QStringLiteral("JOSE\u0301 said"),
        QStringLiteral("jose\u0301"));
    text("final sigma is not sigma", QStringLiteral("\u039B\u038C\u0393\u039F\u03A3"),
        QStringLiteral("\u03BB\u03CC\u03B3\u03BF\u03C2"));
    text("Greek capitals", QStringLiteral("\u1F08\u03B3\u03AC\u03C0\u03B7"),
        QStringLiteral("\u1F00\u0393\u0386\u03A0\u0397"));
    text("beyond the BMP: a in U+10061", QStringLiteral("x\U00010061y"), QStringLiteral("ay"));
    text("beyond the BMP: Cyrillic in Deseret", QStringLiteral("\U00010430"),
        QStringLiteral("\u0410"));
    text("typographic quotes", QStringLiteral("\u201CGrace\u201D \u2014 amen"),
        QStringLiteral("\u201Dgrace"));
    text("full width", QStringLiteral("\uFF27\uFF32\uFF21\uFF23\uFF25"),
        QStringLiteral("\uFF47\uFF52\uFF41"));
    text("non-character U+FFFE reads as U+FFFD", QStringLiteral("a\uFFFEb"),
        QStringLiteral("a\uFFFDb"));
    text("empty field", QString(), QStringLiteral("a"));
    auto bytes = [](const char *name, const char *hex, const QString &search) {
        QTest::newRow(name) << QStringLiteral("CAST(X'%1' AS TEXT)").arg(QLatin1String(hex))
                            << search;
    };
    // Text no driver writes, but another program might: SQLite reads it its own way.
    bytes("stray continuation after a letter", "C3A980", QStringLiteral("\u00E9"));
    bytes("stray continuation after ASCII", "6180", QStringLiteral("a\u0080"));
    bytes("truncated at the end", "6162C3", QStringLiteral("ab"));
    bytes("lead byte before ASCII", "C36162", QStringLiteral("ab"));
    bytes("overlong slash", "C0AF61", QStringLiteral("a"));
    bytes("overlong e acute", "E083A9", QStringLiteral("\u00E9"));
    bytes("encoded surrogate", "EDA08061", QStringLiteral("a"));
    bytes("beyond U+10FFFF", "F490808061", QStringLiteral("a"));
    bytes("NUL inside", "61006B", QStringLiteral("k"));
}

void tst_TextContains::agreesWithQt()
{
    QFETCH(QString, field);
    QFETCH(QString, search);
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    DbError error;
    auto rows = db.database().openSnapshot(
        QStringLiteral("SELECT %1, %2, lectorum_contains(%1, %2)").arg(field, SQLQuoted(search)),
        error);
    QVERIFY2(rows && !rows->eof(), qPrintable(error.driverText));
    const QString fieldRead = rows->field(0).toString();
    const QString searchRead = rows->field(1).toString();
    QCOMPARE(rows->field(2).toInt() == 1, qtFinds(fieldRead, searchRead));
}

void tst_TextContains::agreesWithQtOnRandomText()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    QRandomGenerator random(13);
    auto randomText = [&](int longest) {
        QString text;
        const int length = random.bounded(longest + 1);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        return text;
    };
    QStringList fields;
    QStringList values;
    for (int i = 0; i < 400; ++i) {
        fields.append(randomText(i % 4 == 0 ? 80 : 12));
        values.append(QStringLiteral("(%1, %2)").arg(i).arg(SQLQuoted(fields.last())));
    }
    QStringList searches;
    for (int i = 0; i < 40; ++i) {
        const QString &field = fields.at(qsizetype { i } * 7);
        // Half are pieces of a field, so that many pairs are found.
        const QString search = i % 2 == 0 && field.size() > 3
            ? field.mid(random.bounded(int(field.size()) - 2), 1 + random.bounded(3))
            : randomText(3);
        // A search with a surrogate in it stays with the program; the database never sees it.
        if (std::any_of(search.cbegin(), search.cend(), [](QChar c) { return c.isSurrogate(); }))
            continue;
        searches.append(search);
    }
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE tField (id INTEGER PRIMARY KEY, t TEXT)")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO tField VALUES ") + values.join(QLatin1Char(','))));

    int found = 0;
    int pairs = 0;
    for (const QString &search : searches) {
        // The search as a constant, prepared once for the whole statement, as the list fill
        // sends it.
        DbError error;
        auto rows = db.database().openSnapshot(
            QStringLiteral("SELECT t, %1, lectorum_contains(t, %1) FROM tField ORDER BY id")
                .arg(SQLQuoted(search)),
            error);
        QVERIFY2(rows, qPrintable(error.driverText));
        for (; !rows->eof(); rows->moveNext()) {
            const bool expected = qtFinds(rows->field(0).toString(), rows->field(1).toString());
            found += expected ? 1 : 0;
            ++pairs;
            QVERIFY2((rows->field(2).toInt() == 1) == expected,
                qPrintable(
                    QStringLiteral("\"%1\" in \"%2\"").arg(search, rows->field(0).toString())));
        }
    }
    QCOMPARE(pairs, 400 * int(searches.size()));
    QVERIFY(found > pairs / 20);
}

QTEST_GUILESS_MAIN(tst_TextContains)
#include "tst_textcontains.moc"
