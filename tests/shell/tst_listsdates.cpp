#include "DateEntry.h"
#include "ListOperations.h"
#include "ProgramTranslation.h"
#include "QtUserInterface.h"
#include "ScreenOperations.h"
#include "ScreenTestReset.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>

using TestEnvironment::Engine;

// Filling and searching lists, and the typed-date rule.
class tst_ListsAndDates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void selectAfterDelete_data();
    void selectAfterDelete();
    void findComboItem_data();
    void findComboItem();
    void addItemWithData();
    void loadListFromSql();
    void loadListFromSqlReportsErrors();
    void dateParsing_data();
    void dateParsing();
    void dateEntryOnLeavingTheField_data();
    void dateEntryOnLeavingTheField();
};

void tst_ListsAndDates::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_ListsAndDates::init()
{
    ScreenTestReset::begin();
}

void tst_ListsAndDates::cleanup()
{
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    ScreenTestReset::verifyScriptConsumed();
    ScreenTestReset::verifyNothingOpen();
}

void tst_ListsAndDates::selectAfterDelete_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("selected");
    QTest::newRow("the only entry") << 1 << 0 << -1;
    QTest::newRow("the first of three") << 3 << 0 << 0;
    QTest::newRow("the middle one") << 3 << 1 << 1;
    QTest::newRow("the last of three") << 3 << 2 << 1;
}

void tst_ListsAndDates::selectAfterDelete()
{
    QFETCH(int, entries);
    QFETCH(int, deleted);
    QFETCH(int, selected);
    QListWidget list;
    QComboBox combo;
    for (int i = 0; i < entries; ++i) {
        AddItemWithData(&list, QStringLiteral("Entry %1").arg(i), i + 10);
        AddItemWithData(&combo, QStringLiteral("Entry %1").arg(i), i + 10);
    }
    list.setCurrentRow(deleted);
    combo.setCurrentIndex(deleted);
    delete list.takeItem(deleted);
    combo.removeItem(deleted);
    QCOMPARE(SelectAfterDelete(&list, deleted), selected);
    QCOMPARE(list.currentRow(), selected);
    QCOMPARE(list.selectedItems().size(), selected < 0 ? 0 : 1);
    QCOMPARE(SelectAfterDelete(&combo, deleted), selected);
    QCOMPARE(combo.currentIndex(), selected);
}

void tst_ListsAndDates::findComboItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");
    QTest::newRow("prefix in lower case") << "smi" << 1;
    QTest::newRow("prefix in capitals") << "SMITH, A" << 2;
    QTest::newRow("whole entry") << "Jones" << 0;
    QTest::newRow("no entry begins so") << "xyz" << -1;
    QTest::newRow("inside an entry is no match") << "mith" << -1;
}

void tst_ListsAndDates::findComboItem()
{
    QFETCH(QString, text);
    QFETCH(int, found);
    QComboBox combo;
    for (const char *name : { "Jones", "smith, John", "Smith, Adam", "Smithers" }) {
        combo.addItem(QString::fromLatin1(name));
    }
    combo.setCurrentIndex(3);
    QCOMPARE(FindComboItem(&combo, text), found);
    QCOMPARE(combo.currentIndex(), found);
    if (found < 0) {
        QVERIFY(combo.currentText().isEmpty());
    }
}

void tst_ListsAndDates::addItemWithData()
{
    QComboBox combo;
    QListWidget list;
    AddItemWithData(&combo, QStringLiteral("Ἰησοῦς"), 42);
    AddItemWithData(&combo, QString(), -1);
    AddItemWithData(&list, QStringLiteral("שלום"), 7);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("Ἰησοῦς"));
    QCOMPARE(ItemData(&combo, 0), 42);
    QCOMPARE(ItemData(&combo, 1), -1);
    QCOMPARE(ItemData(&combo, 5), -1);
    QCOMPARE(list.item(0)->text(), QStringLiteral("שלום"));
    QCOMPARE(ItemData(&list, 0), 7);
}

void tst_ListsAndDates::loadListFromSql()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    SetStatusText(QStringLiteral("Series of Messages Screen"));
    QComboBox combo;
    combo.addItem(QStringLiteral("left over"));
    const QString sql = QStringLiteral(
        "SELECT lngBibleBookID, strBibleBook FROM tblBibleBooks ORDER BY lngBibleBookID");
    QVERIFY(LoadListFromSql(&combo, sql, QStringLiteral("Bible Books"), true));
    QCOMPARE(combo.count(), 67);
    QCOMPARE(combo.itemText(0), QString());
    QCOMPARE(ItemData(&combo, 0), -1);
    QCOMPARE(combo.itemText(1), QStringLiteral("Genesis"));
    QCOMPARE(ItemData(&combo, 1), 1);
    QCOMPARE(combo.itemText(66), QStringLiteral("Revelation"));
    QCOMPARE(ItemData(&combo, 66), 66);
    QCOMPARE(GetStatusText(), QStringLiteral(" Series of Messages Screen "));
    QVERIFY(!QApplication::overrideCursor());

    QListWidget list;
    QVERIFY(LoadListFromSql(&list, sql, QStringLiteral("Bible Books"), false));
    QCOMPARE(list.count(), 66);
    QCOMPARE(ItemData(&list, 65), 66);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_ListsAndDates::loadListFromSqlReportsErrors()
{
    TestDatabase db { Engine::SQLite };
    REQUIRE_DATABASE(db);
    SetStatusText(QStringLiteral("Topic Screen"));
    QListWidget list;
    QVERIFY(!LoadListFromSql(&list, QStringLiteral("SELECT lngNothing, strNothing FROM tblNowhere"),
        QStringLiteral("Topics List"), false));
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().constFirst().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
    QCOMPARE(GetStatusText(), QStringLiteral(" Topic Screen "));
    QVERIFY(!QApplication::overrideCursor());
}

void tst_ListsAndDates::dateParsing_data()
{
    // The same dates typed as English and as Spanish speakers write them.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    auto row = [](const char *language, const char *name, const char *typed, QDate date) {
        QTest::addRow("%s: %s", language, name)
            << QString::fromLatin1(language) << QString::fromUtf8(typed) << date;
    };
    for (const char *both : { "en", "es" }) {
        row(both, "ISO", "1998-06-15", QDate(1998, 6, 15));
        row(both, "month name", "Jan 2, 1998", QDate(1998, 1, 2));
        row(both, "day month year", "2 February 1998", QDate(1998, 2, 2));
        row(both, "month 31", "31/31/98", QDate());
        row(both, "words", "next sunday", QDate());
        row(both, "a number", "1998", QDate());
    }
    row("en", "short US date", "1/2/98", QDate(1998, 1, 2));
    row("en", "two-digit year after 2000", "6/15/05", QDate(2005, 6, 15));
    row("en", "full US date", "12/31/1999", QDate(1999, 12, 31));
    row("en", "dashes", "3-4-2001", QDate(2001, 3, 4));
    row("en", "leap day", "2/29/2000", QDate(2000, 2, 29));
    row("en", "no leap day", "2/29/1999", QDate());
    row("en", "day first refused", "15/06/1998", QDate());
    row("en", "Spanish month unknown", "15 junio 1998", QDate());
    row("es", "short date", "2/1/98", QDate(1998, 1, 2));
    row("es", "two-digit year after 2000", "15/6/05", QDate(2005, 6, 15));
    row("es", "full date", "15/06/1998", QDate(1998, 6, 15));
    row("es", "dashes", "4-3-2001", QDate(2001, 3, 4));
    row("es", "dots", "31.12.1999", QDate(1999, 12, 31));
    row("es", "leap day", "29/2/2000", QDate(2000, 2, 29));
    row("es", "no leap day", "29/2/1999", QDate());
    row("es", "month first refused", "12/31/1999", QDate());
    row("es", "Spanish month", "15 de junio de 1998", QDate(1998, 6, 15));
    row("es", "Spanish month, short", "3 sept 2001", QDate(2001, 9, 3));
    row("es", "the longest month", "1 septiembre 2001", QDate(2001, 9, 1));
}

void tst_ListsAndDates::dateParsing()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    QVERIFY(ProgramTranslation::install(language));
    QCOMPARE(DateEntry::parse(typed), date);
    if (date.isValid()) {
        // Shown as the interface writes it, and read back as the same date.
        QCOMPARE(DateEntry::parse(DateEntry::shown(date)), date);
    }
}

void tst_ListsAndDates::dateEntryOnLeavingTheField_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("refusal"); // the message, empty when the date is taken
    const QString english = QStringLiteral("Enter a valid date: mm/dd/yyyy");
    const QString spanish = QStringLiteral("Escriba una fecha válida: dd/mm/aaaa");
    QTest::newRow("en: 1/2/98") << "en"
                                << "1/2/98"
                                << "01/02/1998"
                                << "";
    QTest::newRow("en: already formatted") << "en"
                                           << "06/15/1998"
                                           << "06/15/1998"
                                           << "";
    QTest::newRow("en: empty means no date") << "en"
                                             << ""
                                             << ""
                                             << "";
    QTest::newRow("en: 31/31/98") << "en"
                                  << "31/31/98"
                                  << "31/31/98" << english;
    QTest::newRow("es: 2/1/98") << "es"
                                << "2/1/98"
                                << "02/01/1998"
                                << "";
    QTest::newRow("es: already formatted") << "es"
                                           << "15/06/1998"
                                           << "15/06/1998"
                                           << "";
    QTest::newRow("es: month name") << "es"
                                    << "15 de junio de 1998"
                                    << "15/06/1998"
                                    << "";
    QTest::newRow("es: 06/15/1998") << "es"
                                    << "06/15/1998"
                                    << "06/15/1998" << spanish;
}

void tst_ListsAndDates::dateEntryOnLeavingTheField()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    QVERIFY(ProgramTranslation::install(language));
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *before = new QLineEdit(&form);
    auto *txtDatePreached = new QLineEdit(&form);
    auto *after = new QLineEdit(&form);
    layout->addWidget(before);
    layout->addWidget(txtDatePreached);
    layout->addWidget(after);
    DateEntry::attach(txtDatePreached);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    txtDatePreached->setFocus();
    QTest::keyClicks(txtDatePreached, typed);
    QTest::keyClick(txtDatePreached, Qt::Key_Tab);
    if (!refusal.isEmpty()) {
        QTRY_COMPARE(MsgBoxScript::shown(), QStringList { refusal });
        QCOMPARE(MsgBoxScript::shownCaptions(),
            QStringList { language == QLatin1String("es") ? QStringLiteral("Fecha no válida")
                                                          : QStringLiteral("Invalid Date") });
        QTRY_VERIFY(txtDatePreached->hasFocus());
    } else {
        QTRY_VERIFY(after->hasFocus());
        QCoreApplication::processEvents();
        QVERIFY(MsgBoxScript::shown().isEmpty());
    }
    QCOMPARE(txtDatePreached->text(), shown);
}

QTEST_MAIN(tst_ListsAndDates)
#include "tst_listsdates.moc"
