#include "PasswordEncode.h"
#include "SqlLiterals.h"

#include <QTest>

class tst_Literals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sqlText_data();
    void sqlText();
    void sqlDate_data();
    void sqlDate();
    void replaceAllDoesNotRescan();
    void nullToLong_data();
    void nullToLong();
    void nullToTextTrimsOnlyBlanks();
    void passwordEncode_data();
    void passwordEncode();
};

void tst_Literals::sqlText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("literal");
    QTest::newRow("apostrophe") << "It's"
                                << "'It''s'";
    QTest::newRow("name") << "O'Brien"
                          << "'O''Brien'";
    QTest::newRow("surrounding blanks") << "  Psalm 23  "
                                        << "'Psalm 23'";
    QTest::newRow("empty") << ""
                           << "Null";
    QTest::newRow("three blanks") << "   "
                                  << "Null";
    QTest::newRow("tab kept") << "\tx\t"
                              << "'\tx\t'";
    QTest::newRow("line breaks kept") << "a\r\nb\n"
                                      << "'a\r\nb\n'";
    QTest::newRow("only quotes") << "''"
                                 << "''''''";
    QTest::newRow("backslash and percent") << "C:\\100% _x"
                                           << "'C:\\100% _x'";
    QTest::newRow("greek and hebrew") << "ἀγάπη שלום"
                                      << "'ἀγάπη שלום'";
}

void tst_Literals::sqlText()
{
    QFETCH(QString, value);
    QFETCH(QString, literal);
    QCOMPARE(SQLText(value), literal);
}

void tst_Literals::sqlDate_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("literal");
    QTest::newRow("date") << QVariant(QDate(1998, 6, 15)) << "'1998-06-15'";
    QTest::newRow("midnight") << QVariant(QDateTime(QDate(1998, 6, 15), QTime(0, 0)))
                              << "'1998-06-15'";
    QTest::newRow("evening") << QVariant(QDateTime(QDate(1998, 6, 15), QTime(19, 30)))
                             << "'1998-06-15 19:30:00'";
    QTest::newRow("us text") << QVariant(QStringLiteral("6/15/1998")) << "'1998-06-15'";
    QTest::newRow("screen text") << QVariant(QStringLiteral("06/15/1998")) << "'1998-06-15'";
    QTest::newRow("us text with time")
        << QVariant(QStringLiteral("6/15/1998 7:30:00 PM")) << "'1998-06-15 19:30:00'";
    QTest::newRow("iso text") << QVariant(QStringLiteral("1998-06-15")) << "'1998-06-15'";
    QTest::newRow("iso leap day") << QVariant(QStringLiteral("2024-02-29")) << "'2024-02-29'";
    QTest::newRow("iso first day") << QVariant(QStringLiteral("0001-01-01")) << "'0001-01-01'";
    QTest::newRow("iso no such day") << QVariant(QStringLiteral("2021-02-29")) << "Null";
    QTest::newRow("iso year 0") << QVariant(QStringLiteral("0000-06-15")) << "Null";
    QTest::newRow("iso month 13") << QVariant(QStringLiteral("1998-13-15")) << "Null";
    QTest::newRow("iso with a letter") << QVariant(QStringLiteral("1998-0a-15")) << "Null";
    QTest::newRow("empty") << QVariant(QString()) << "Null";
    QTest::newRow("null") << QVariant() << "Null";
    QTest::newRow("zero date") << QVariant(QDate(1899, 12, 30)) << "Null";
    QTest::newRow("not a date") << QVariant(QStringLiteral("31/31/98")) << "Null";
    QTest::newRow("injection") << QVariant(QStringLiteral("1/1/2000'); DROP TABLE x; --"))
                               << "Null";
    // Edges found by the fuzz targets (tests/fuzz): a year with no four-digit form becomes
    // Null instead of a text no engine reads as a date.
    QTest::newRow("first year") << QVariant(QDate(1, 1, 1)) << "'0001-01-01'";
    QTest::newRow("last year") << QVariant(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)))
                               << "'9999-12-31 23:59:59'";
    QTest::newRow("year 10000") << QVariant(QDate(10000, 1, 1)) << "Null";
    QTest::newRow("year -1") << QVariant(QDateTime(QDate(-1, 6, 15), QTime(12, 0))) << "Null";
    QTest::newRow("year -155055") << QVariant(QDateTime(QDate(-155055, 5, 13), QTime(20, 0)))
                                  << "Null";
    QTest::newRow("negative year as text") << QVariant(QStringLiteral("-0001-06-15")) << "Null";
}

void tst_Literals::sqlDate()
{
    QFETCH(QVariant, value);
    QFETCH(QString, literal);
    QCOMPARE(SQLDate(value), literal);
}

void tst_Literals::replaceAllDoesNotRescan()
{
    QCOMPARE(ReplaceAll(QStringLiteral("a'b''c"), QStringLiteral("'"), QStringLiteral("''")),
        QStringLiteral("a''b''''c"));
    QCOMPARE(ReplaceAll(QStringLiteral("aaa"), QStringLiteral("a"), QStringLiteral("aa")),
        QStringLiteral("aaaaaa"));
    QCOMPARE(
        ReplaceAll(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
}

void tst_Literals::nullToLong_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("number");
    QTest::newRow("null") << QVariant() << 0;
    QTest::newRow("int") << QVariant(57) << 57;
    QTest::newRow("longlong from sqlite") << QVariant(qlonglong(2147483647)) << 2147483647;
    QTest::newRow("too big") << QVariant(qlonglong(2147483648LL)) << 0;
    QTest::newRow("leading digits") << QVariant(QStringLiteral("12abc")) << 12;
    QTest::newRow("negative text") << QVariant(QStringLiteral(" -7")) << -7;
    QTest::newRow("no digits") << QVariant(QStringLiteral("abc")) << 0;
    QTest::newRow("huge text") << QVariant(QStringLiteral("99999999999999999999")) << 0;
}

void tst_Literals::nullToLong()
{
    QFETCH(QVariant, value);
    QFETCH(int, number);
    QCOMPARE(NullToLong(value), number);
}

void tst_Literals::nullToTextTrimsOnlyBlanks()
{
    QCOMPARE(NullToText(QVariant()), QString());
    QCOMPARE(NullToText(QVariant(QStringLiteral("  Smith  "))), QStringLiteral("Smith"));
    QCOMPARE(NullToText(QVariant(QStringLiteral("\tline\n"))), QStringLiteral("\tline\n"));
}

void tst_Literals::passwordEncode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("shipped user") << "sermon"
                                  << "Y_1H0V";
    QTest::newRow("whole alphabet") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_"
                                    << "Q7XK_2MLZ9AEHV0RJ1YD5BWN3TCF8GI6OUS4P";
    QTest::newRow("blanks and case") << " abc "
                                     << "Q7X";
    QTest::newRow("empty") << ""
                           << "";
    // No image in the alphabet: encodes to a symbol no stored password holds.
    QTest::newRow("punctuation") << "a-b"
                                 << "Q?7";
    QTest::newRow("inner blank") << "a b"
                                 << "Q?7";
    // One symbol per character: no letter widens to two ("ß" is not "SS") or becomes a
    // plain capital ("ı" is not "I").
    QTest::newRow("sharp s") << "ß"
                             << "?";
    QTest::newRow("dotless i") << "ı"
                               << "?";
    QTest::newRow("long s") << "ſermon"
                            << "?_1H0V";
}

void tst_Literals::passwordEncode()
{
    QFETCH(QString, typed);
    QFETCH(QString, encoded);
    QCOMPARE(PasswordEncode(typed), encoded);
}

QTEST_GUILESS_MAIN(tst_Literals)
#include "tst_literals.moc"
