#include "SqlLiterals.h"

#include <QTest>

// Edges of the value rules found by the fuzz targets in tests/fuzz, kept here so that the
// normal suite, built without clang, checks them too.
class tst_ValueRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dateLiteralsKeepFourDigitYears_data();
    void dateLiteralsKeepFourDigitYears();
};

void tst_ValueRules::dateLiteralsKeepFourDigitYears_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("literal");
    QTest::newRow("first year") << QVariant(QDate(1, 1, 1)) << "'0001-01-01'";
    QTest::newRow("last year") << QVariant(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)))
                               << "'9999-12-31 23:59:59'";
    QTest::newRow("year 10000") << QVariant(QDate(10000, 1, 1)) << "Null";
    QTest::newRow("year -1") << QVariant(QDateTime(QDate(-1, 6, 15), QTime(12, 0))) << "Null";
    QTest::newRow("year -155055") << QVariant(QDateTime(QDate(-155055, 5, 13), QTime(20, 0)))
                                  << "Null";
    QTest::newRow("negative year as text") << QVariant(QStringLiteral("-0001-06-15")) << "Null";
}

// A date literal is 'yyyy-MM-dd' or 'yyyy-MM-dd hh:mm:ss' or Null: a native date value with
// a year that has no four-digit form becomes Null instead of a text no engine reads as a date.
void tst_ValueRules::dateLiteralsKeepFourDigitYears()
{
    QFETCH(QVariant, value);
    QFETCH(QString, literal);
    QCOMPARE(SQLDate(value), literal);
}

QTEST_GUILESS_MAIN(tst_ValueRules)
#include "tst_valuerules.moc"
