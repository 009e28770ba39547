#include "ReferenceScreenTest.h"
#include "ScreenEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>

// The topic and illustration screens: list-plus-detail editing of tblTopics and tblIllustr.
class tst_TopicScreens : public ReferenceScreenTest
{
    Q_OBJECT
private Q_SLOTS:
    void init() { setUpScreens(); }
    void cleanup() { tearDownScreens(); }

    void emptyTableAnsweredNoCloses_data();
    void emptyTableAnsweredNoCloses();
    void deletingTheLastEntryAsksAgain_data();
    void deletingTheLastEntryAsksAgain();
    void cancelAfterNewRestoresThePreviousRecord();
    void topicsAreStoredInCapitals_data();
    void topicsAreStoredInCapitals();
    void illustrationCheck_data();
    void illustrationCheck();
    void printItemWhileIllustrationScreenIsOpen();
    void topicsButtonOpensIllustrationTopics();
    void saveAndDeleteFollowTheKeyShown_data();
    void saveAndDeleteFollowTheKeyShown();

private:
    void addScreenRows();
};

void tst_TopicScreens::addScreenRows()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("topics") << "mnuETopics"
                            << "frmTopic"
                            << "tblTopics"
                            << "lstTopics"
                            << "txtDescription";
    QTest::newRow("illustrations") << "mnuEIllustr"
                                   << "frmIllustr"
                                   << "tblIllustr"
                                   << "lstIllustrations"
                                   << "txtName";
}

void tst_TopicScreens::emptyTableAnsweredNoCloses_data()
{
    addScreenRows();
}

void tst_TopicScreens::emptyTableAnsweredNoCloses()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, table);
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM ") + table));
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    QPointer<QWidget> screen = open(qPrintable(command), qPrintable(screenName));
    QVERIFY(screen);
    QTRY_VERIFY(screen.isNull());
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("No Records, Add Some ?") });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { MsgBoxStyle::YesNoQuestion });
    QCOMPARE(OpenScreenCount, qint16(0));
    QVERIFY(menuEnabled(qPrintable(command)));
}

void tst_TopicScreens::deletingTheLastEntryAsksAgain_data()
{
    addScreenRows();
}

void tst_TopicScreens::deletingTheLastEntryAsksAgain()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, table);
    QFETCH(QString, listName);
    QFETCH(QString, fieldName);
    const QString key = table == QLatin1String("tblTopics") ? QStringLiteral("lngTopicID")
                                                            : QStringLiteral("lngIllustrID");
    QVERIFY(m_db->exec(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE ") + key
        + QStringLiteral(" <> 2")));
    QWidget *screen = open(qPrintable(command), qPrintable(screenName));
    QVERIFY(screen);
    auto *list = control<QListWidget>(screen, qPrintable(listName));
    auto *field = control<QLineEdit>(screen, qPrintable(fieldName));
    QCOMPARE(list->count(), 1);
    QVERIFY(!field->text().isEmpty());

    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes); // Delete the Current Record
    MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes); // No Records, Add Some ?
    CHECKED_STEP(click(screen, "cmdDelete"));
    QCOMPARE(MsgBoxScript::shown(),
        (QStringList { QStringLiteral("Delete the Current Record"),
            QStringLiteral("No Records, Add Some ?") }));
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM ") + table), 0);
    QCOMPARE(list->count(), 0);
    // Yes started a new record in empty fields.
    QVERIFY(field->text().isEmpty());
    QVERIFY(screen
                ->findChild<QLabel *>(screenName == QLatin1String("frmTopic")
                        ? QStringLiteral("lblTopicID")
                        : QStringLiteral("lblIllustrationID"))
                ->text()
                .isEmpty());
    QVERIFY(control<QPushButton>(screen, "cmdSave")->isEnabled());
    QCOMPARE(control<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));

    // Cancelling that new record asks once more; No closes the screen.
    QPointer<QWidget> guard(screen);
    MsgBoxScript::clear();
    MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    CHECKED_STEP(click(screen, "cmdClose"));
    QCOMPARE(MsgBoxScript::shown(), QStringList { QStringLiteral("No Records, Add Some ?") });
    QTRY_VERIFY(guard.isNull());
}

void tst_TopicScreens::cancelAfterNewRestoresThePreviousRecord()
{
    QWidget *screen = open("mnuETopics", "frmTopic");
    auto *list = control<QListWidget>(screen, "lstTopics");
    auto *field = control<QLineEdit>(screen, "txtDescription");
    auto *key = control<QLabel>(screen, "lblTopicID");
    CHECKED_STEP(choose(list, QStringLiteral("HOPE")));
    QCOMPARE(field->text(), QStringLiteral("HOPE"));
    QCOMPARE(key->text(), QStringLiteral("4"));

    CHECKED_STEP(click(screen, "cmdNew"));
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(key->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("patience"));
    CHECKED_STEP(click(screen, "cmdClose"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("HOPE"));
    QCOMPARE(field->text(), QStringLiteral("HOPE"));
    QCOMPARE(key->text(), QStringLiteral("4"));
    QVERIFY(!control<QPushButton>(screen, "cmdSave")->isEnabled());
    QCOMPARE(control<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Close"));
    QVERIFY(list->isEnabled());
    QCOMPARE(
        scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblTopics WHERE strTopic LIKE 'pat%'")), 0);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_TopicScreens::topicsAreStoredInCapitals_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("Save button") << false;
    // Closing saves through "Save Changes ?" while the focus is still in the text box.
    QTest::newRow("Yes to Save Changes") << true;
}

void tst_TopicScreens::topicsAreStoredInCapitals()
{
    QFETCH(bool, byClosing);
    QSignalSpy changed(&ScreenEvents::instance(), &ScreenEvents::topicsChanged);
    QPointer<QWidget> screen = open("mnuETopics", "frmTopic");
    auto *list = control<QListWidget>(screen, "lstTopics");
    auto *field = control<QLineEdit>(screen, "txtDescription");
    const int before = list->count();
    CHECKED_STEP(click(screen, "cmdNew"));
    QTest::keyClicks(field, QStringLiteral("faith and works"));
    if (byClosing) {
        MsgBoxScript::queueAnswer(MsgBoxAnswer::Yes);
        qobject_cast<QMdiSubWindow *>(screen->parentWidget())->close();
        QTRY_VERIFY(screen.isNull());
    } else {
        CHECKED_STEP(click(screen, "cmdSave"));
        QCOMPARE(field->text(), QStringLiteral("FAITH AND WORKS"));
        QCOMPARE(list->count(), before + 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("FAITH AND WORKS"));
        QCOMPARE(control<QLabel>(screen, "lblTopicID")->text(),
            scalarText(QStringLiteral(
                "SELECT lngTopicID FROM tblTopics WHERE strTopic = 'FAITH AND WORKS'")));
    }
    QCOMPARE(scalarInt(QStringLiteral(
                 "SELECT COUNT(*) FROM tblTopics WHERE strTopic = 'FAITH AND WORKS'")),
        1);
    QCOMPARE(scalarInt(QStringLiteral(
                 "SELECT COUNT(*) FROM tblTopics WHERE strTopic = 'faith and works'")),
        0);
    QCOMPARE(changed.count(), 1);
}

void tst_TopicScreens::illustrationCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusName");
    // Both missing: the name's message, and the focus stays in the name box.
    QTest::newRow("name and text missing") << ""
                                           << "Name Must Be Filled In."
                                           << "txtName";
    QTest::newRow("text missing") << "Stone Soup"
                                  << "Illustration Must Be Filled In."
                                  << "txtIllustration";
}

void tst_TopicScreens::illustrationCheck()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focusName);
    QWidget *screen = open("mnuEIllustr", "frmIllustr");
    const int before = scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblIllustr"));
    CHECKED_STEP(click(screen, "cmdNew"));
    QTest::keyClicks(control<QLineEdit>(screen, "txtName"), name);
    control<QLineEdit>(screen, "txtName")->setFocus();
    // Saved by the button's own action, so that the focus is where the user left it.
    control<QPushButton>(screen, "cmdSave")->click();
    QCOMPARE(MsgBoxScript::shown(), QStringList { message });
    QCOMPARE(MsgBoxScript::shownStyles(), QList<MsgBoxStyle> { MsgBoxStyle::OkOnly });
    QCOMPARE(QApplication::focusWidget()->objectName(), focusName);
    QVERIFY(control<QPushButton>(screen, "cmdSave")->isEnabled());
    QCOMPARE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM tblIllustr")), before);
}

void tst_TopicScreens::printItemWhileIllustrationScreenIsOpen()
{
    QVERIFY(!menuEnabled("mnuPIllustration"));
    QPointer<QWidget> screen = open("mnuEIllustr", "frmIllustr");
    QVERIFY(m_main->action(QStringLiteral("mnuPrint"))->isVisible());
    QVERIFY(menuEnabled("mnuPIllustration"));
    QVERIFY(!menuEnabled("mnuEIllustr"));
    // The print command reads the shown illustration from txtIllustration.
    auto *text = control<QPlainTextEdit>(screen, "txtIllustration");
    QCOMPARE(text->toPlainText(),
        scalarText(QStringLiteral("SELECT strIllustration FROM tblIllustr WHERE lngIllustrID = ")
            + control<QLabel>(screen, "lblIllustrationID")->text()));
    CHECKED_STEP(click(screen, "cmdClose"));
    QTRY_VERIFY(screen.isNull());
    QVERIFY(!menuEnabled("mnuPIllustration"));
    QVERIFY(!m_main->action(QStringLiteral("mnuPrint"))->isVisible());
    QVERIFY(menuEnabled("mnuEIllustr"));
}

void tst_TopicScreens::topicsButtonOpensIllustrationTopics()
{
    QStringList handedOver;
    m_main->setCommand(QStringLiteral("frmIllustrTopic"), [this, &handedOver] {
        QWidget *illustrations
            = m_main->workArea()->findChild<QWidget *>(QStringLiteral("frmIllustr"));
        handedOver
            << illustrations->findChild<QLabel *>(QStringLiteral("lblIllustrationID"))->text()
            << illustrations->findChild<QLineEdit *>(QStringLiteral("txtName"))->text();
    });
    QWidget *screen = open("mnuEIllustr", "frmIllustr");
    CHECKED_STEP(choose(
        control<QListWidget>(screen, "lstIllustrations"), QStringLiteral("The Borrowed Coat")));
    CHECKED_STEP(click(screen, "cmdTopics"));
    QCOMPARE(
        handedOver, (QStringList { QStringLiteral("2"), QStringLiteral("The Borrowed Coat") }));
    // A new illustration has no key yet: nothing to assign topics to.
    CHECKED_STEP(click(screen, "cmdNew"));
    CHECKED_STEP(click(screen, "cmdTopics"));
    QCOMPARE(handedOver.size(), 2);
}

// Every list screen (the preachers' and publishers' too, which share the same editing):
// a refused save keeps the screen editing; with no key shown Delete does nothing and Save
// stores a new record.
void tst_TopicScreens::saveAndDeleteFollowTheKeyShown_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("listName");
    QTest::newRow("topics") << "mnuETopics"
                            << "frmTopic"
                            << "tblTopics"
                            << "lblTopicID"
                            << "txtDescription"
                            << "lstTopics";
    QTest::newRow("illustrations") << "mnuEIllustr"
                                   << "frmIllustr"
                                   << "tblIllustr"
                                   << "lblIllustrationID"
                                   << "txtName"
                                   << "lstIllustrations";
    QTest::newRow("preachers") << "mnuEPreacher"
                               << "frmPreachers"
                               << "tblPreachers"
                               << "lblPreacherID"
                               << "txtLast"
                               << "lstPreachers";
    QTest::newRow("publishers") << "mnuEPublisher"
                                << "frmPublishers"
                                << "tblPublishers"
                                << "lblPublisherID"
                                << "txtPublisher"
                                << "lstPublishers";
}

void tst_TopicScreens::saveAndDeleteFollowTheKeyShown()
{
    QFETCH(QString, command);
    QFETCH(QString, screenName);
    QFETCH(QString, table);
    QFETCH(QString, keyName);
    QFETCH(QString, fieldName);
    QFETCH(QString, listName);
    QWidget *screen = open(qPrintable(command), qPrintable(screenName));
    QVERIFY(screen);
    // An entry of the user's own (key 0 is a shipped default that asks before it changes).
    auto *list = control<QListWidget>(screen, qPrintable(listName));
    QVERIFY(list->count() > 1);
    CHECKED_STEP(
        choose(list, list->item(list->item(0)->data(Qt::UserRole).toInt() == 0 ? 1 : 0)->text()));
    auto *key = control<QLabel>(screen, qPrintable(keyName));
    auto *field = control<QLineEdit>(screen, qPrintable(fieldName));
    auto *save = control<QPushButton>(screen, "cmdSave");
    const QString shownKey = key->text();
    QVERIFY(!shownKey.trimmed().isEmpty());
    const QString countSql = QStringLiteral("SELECT COUNT(*) FROM ") + table;
    const int before = scalarInt(countSql);
    const auto typeInto = [field](const QString &text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    };

    // The database refuses: the screen stays editing with the typing kept.
    for (const char *when : { "INSERT", "UPDATE" }) {
        QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse%1 BEFORE %1 ON %2 "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                               .arg(QLatin1String(when), table)));
    }
    typeInto(QStringLiteral("REFUSED"));
    const QString typed = field->text();
    CHECKED_STEP(click(screen, "cmdSave"));
    QVERIFY(!MsgBoxScript::shown().isEmpty());
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("An Error Occurred in the System ")));
    QVERIFY(save->isEnabled());
    QCOMPARE(control<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("&Cancel"));
    QCOMPARE(field->text(), typed);
    QCOMPARE(key->text(), shownKey);
    QVERIFY(m_db->exec(QStringLiteral("DROP TRIGGER refuseINSERT")));
    QVERIFY(m_db->exec(QStringLiteral("DROP TRIGGER refuseUPDATE")));
    CHECKED_STEP(click(screen, "cmdClose")); // Cancel: the stored record again
    QVERIFY(!save->isEnabled());

    // No key shown: Delete asks nothing and deletes nothing.
    MsgBoxScript::clear();
    key->clear();
    CHECKED_STEP(click(screen, "cmdDelete"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(scalarInt(countSql), before);

    // ... and Save stores the fields as a new record, leaving the one shown before alone.
    typeInto(QStringLiteral("ANOTHER ONE"));
    CHECKED_STEP(click(screen, "cmdSave"));
    QVERIFY(MsgBoxScript::shown().isEmpty());
    QCOMPARE(scalarInt(countSql), before + 1);
    QVERIFY(!key->text().trimmed().isEmpty());
    QVERIFY(key->text() != shownKey);
    QVERIFY(!save->isEnabled());
}

QTEST_MAIN(tst_TopicScreens)
#include "tst_topicscreens.moc"
