#include "LinkOperations.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenCommands.h"
#include "ScreenEvents.h"
#include "ScreenTestReset.h"
#include "SermonCommands.h"
#include "TestEnvironment.h"
#include "frmAssignTopics.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using TestEnvironment::Engine;
using Kind = frmAssignTopics::Kind;

// The three assignment screens on the demo library (20 topics, 8 illustrations and one more
// added here), each opened by its command the way the sermon and illustration screens open
// them.
class tst_Assign : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    // Every case runs on SQLite and on the PostgreSQL test server.
    void initTestCase_data();
    void init();
    void cleanup();

    void screens_data();
    void ownerWithoutLinksShowsEveryItemUnassigned_data() { screens_data(); }
    void ownerWithoutLinksShowsEveryItemUnassigned();
    void assignThenUnassignRestoresBothLists_data() { screens_data(); }
    void assignThenUnassignRestoresBothLists();
    void failedStatementMovesNothing_data();
    void failedStatementMovesNothing();
    void commandFollowsTheCurrentOwner();
    void closingMaximisesTheOpener_data() { screens_data(); }
    void closingMaximisesTheOpener();

private:
    QWidget *openOpener(const QString &name, qint32 key);
    frmAssignTopics *openScreen(int kind, qint32 ownerKey);
    QListWidget *list(const QString &name) const
    {
        return m_screen->findChild<QListWidget *>(name);
    }
    static QStringList texts(const QListWidget *list);
    static void doubleClick(QListWidget *list, int row);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
    frmAssignTopics *m_screen = nullptr;
};

namespace {

struct Screen
{
    const char *command;
    const char *unassigned;
    const char *assigned;
    const char *ownerLabel;
    const char *opener;
    const char *linkTable;
    const char *ownerColumn;
    const char *itemColumn;
    int items;
    const char *failureMessage;
};

const Screen screens[] = {
    { "frmSermonTopics", "lstTopics", "lstSermonTopics", "lblSermonID", "frmSermon",
        "tblSermonTopics", "lngSermonID", "lngTopicID", 20, "Error deleting Sermon/Topic Record" },
    { "frmSermIllu", "lstIllustrations", "lstSermonIllustrations", "lblSermonID", "frmSermon",
        "tblSermonIllustr", "lngSermonID", "lngIllustrID", 9,
        "Error deleting Sermon/Illustration Record" },
    { "frmIllustrTopic", "lstTopics", "lstIllustrTopics", "lblIllustrID", "frmIllustr",
        "tblIllustrTopics", "lngIllustrID", "lngTopicID", 20,
        "Error deleting Illustr/Topic Record" },
};

// A sermon (31) and an illustration (9) without any links.
const qint32 FreshOwner[] = { 31, 31, 9 };

} // namespace

void tst_Assign::initTestCase()
{
    UserInterface::install(&QtUserInterface::instance());
}

void tst_Assign::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_Assign::init()
{
    QFETCH_GLOBAL(int, engine);
    ScreenTestReset::begin();
    m_db = std::make_unique<TestDatabase>(Engine(engine), true);
    REQUIRE_DATABASE(*m_db);
    QVERIFY(m_db->exec(
        QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngSeriesID, "
                       "strDisplayText, strTitle, strBigIdea) VALUES (31, 0, 0, 'Ruth 1:16', "
                       "'Where You Go', ' ')")));
    QVERIFY(m_db->exec(
        QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName) VALUES (9, 'The Ferry')")));
    m_main = std::make_unique<frmMain>();
    RegisterScreenCommands(*m_main);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_Assign::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    m_screen = nullptr;
    m_main.reset();
    m_db.reset();
    ScreenTestReset::verifyNothingOpen();
}

void tst_Assign::screens_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < 3; ++kind) {
        QTest::newRow(screens[kind].command) << kind;
    }
}

// Stands in for the screen that opens an assignment screen: the illustration screen hands
// over its key label and name.
QWidget *tst_Assign::openOpener(const QString &name, qint32 key)
{
    auto *opener = new QWidget;
    opener->setObjectName(name);
    auto *id = new QLabel(QString::number(key), opener);
    id->setObjectName(QStringLiteral("lblIllustrationID"));
    auto *title = new QLineEdit(QStringLiteral("The Ferry"), opener);
    title->setObjectName(QStringLiteral("txtName"));
    m_main->openScreen(opener);
    return opener;
}

frmAssignTopics *tst_Assign::openScreen(int kind, qint32 ownerKey)
{
    const Screen &s = screens[kind];
    if (Kind(kind) == Kind::IllustrationTopics) {
        openOpener(QLatin1String(s.opener), ownerKey);
    } else {
        OpenSermonAssignment(*m_main, QLatin1String(s.command), ownerKey);
    }
    if (Kind(kind) == Kind::IllustrationTopics) {
        m_main->runCommand(QLatin1String(s.command));
    }
    QMdiSubWindow *frame = m_main->workArea()->activeSubWindow();
    m_screen = frame ? qobject_cast<frmAssignTopics *>(frame->widget()) : nullptr;
    return m_screen;
}

QStringList tst_Assign::texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i) {
        result.append(list->item(i)->text());
    }
    return result;
}

void tst_Assign::doubleClick(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // What the system sends for a double-click: a click, then the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void tst_Assign::ownerWithoutLinksShowsEveryItemUnassigned()
{
    QFETCH(int, kind);
    const Screen &s = screens[kind];
    QVERIFY(openScreen(kind, FreshOwner[kind]));
    QCOMPARE(m_screen->objectName(), QLatin1String(s.command));
    QCOMPARE(list(QLatin1String(s.unassigned))->count(), s.items);
    QCOMPARE(list(QLatin1String(s.assigned))->count(), 0);
    QCOMPARE(m_screen->findChild<QLabel *>(QLatin1String(s.ownerLabel))->text(),
        QString::number(FreshOwner[kind]));
    const QString title = Kind(kind) == Kind::IllustrationTopics ? "The Ferry " : " Where You Go ";
    QCOMPARE(m_screen->findChild<QLabel *>(QStringLiteral("pnlTitle"))->text(), title);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_Assign::assignThenUnassignRestoresBothLists()
{
    QFETCH(int, kind);
    const Screen &s = screens[kind];
    const qint32 owner = Kind(kind) == Kind::IllustrationTopics ? 2 : 6;
    QVERIFY(openScreen(kind, owner));
    QListWidget *unassigned = list(QLatin1String(s.unassigned));
    QListWidget *assigned = list(QLatin1String(s.assigned));
    const QStringList before = texts(unassigned);
    const QStringList assignedBefore = texts(assigned);
    QVERIFY(assignedBefore.size() > 0);
    const QString moved = before.at(1);
    const qint32 key = unassigned->item(1)->data(Qt::UserRole).toInt();
    const QString linkCount = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2=%3 AND %4=%5")
                                  .arg(s.linkTable, s.ownerColumn)
                                  .arg(owner)
                                  .arg(s.itemColumn)
                                  .arg(key);

    doubleClick(unassigned, 1);
    QCOMPARE(m_db->scalar(linkCount).toInt(), 1);
    QCOMPARE(texts(assigned), assignedBefore + QStringList { moved });
    QCOMPARE(assigned->item(assigned->count() - 1)->data(Qt::UserRole).toInt(), key);
    QCOMPARE(unassigned->count(), before.size() - 1);
    QCOMPARE(unassigned->currentRow(), 1);

    doubleClick(assigned, assigned->count() - 1);
    QCOMPARE(m_db->scalar(linkCount).toInt(), 0);
    QCOMPARE(texts(assigned), assignedBefore);
    QStringList expected = before;
    expected.move(1, expected.size() - 1);
    QCOMPARE(texts(unassigned), expected);
    QCOMPARE(unassigned->item(unassigned->count() - 1)->data(Qt::UserRole).toInt(), key);
    QVERIFY(MsgBoxScript::shown().isEmpty());
}

void tst_Assign::failedStatementMovesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("assigning");
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<QString>("message");
    for (int kind = 0; kind < 3; ++kind) {
        const Screen &s = screens[kind];
        // The pair is already there: the insert breaks the table's key.
        QTest::addRow("%s conflicting pair", s.command)
            << kind << true
            << QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, {item})")
                   .arg(s.linkTable, s.ownerColumn, s.itemColumn)
                   .arg(FreshOwner[kind])
            << "An Error Occurred in the System ";
        // Someone else removed the pair: no row is deleted.
        QTest::addRow("%s pair gone", s.command) << kind << false
                                                 << QStringLiteral("DELETE FROM %1 WHERE %2=%3")
                                                        .arg(s.linkTable, s.ownerColumn)
                                                        .arg(FreshOwner[kind])
                                                 << s.failureMessage;
        QTest::addRow("%s table gone", s.command)
            << kind << true << QStringLiteral("ALTER TABLE %1 RENAME TO tblGone").arg(s.linkTable)
            << "An Error Occurred in the System ";
    }
}

void tst_Assign::failedStatementMovesNothing()
{
    QFETCH(int, kind);
    QFETCH(bool, assigning);
    QFETCH(QString, sabotage);
    QFETCH(QString, message);
    const Screen &s = screens[kind];
    const qint32 owner = FreshOwner[kind];
    if (!assigning) {
        QVERIFY(m_db->exec(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, 1)")
                               .arg(s.linkTable, s.ownerColumn, s.itemColumn)
                               .arg(owner)));
    }
    QVERIFY(openScreen(kind, owner));
    QListWidget *from = list(QLatin1String(assigning ? s.unassigned : s.assigned));
    const QStringList unassignedBefore = texts(list(QLatin1String(s.unassigned)));
    const QStringList assignedBefore = texts(list(QLatin1String(s.assigned)));
    const QString item = QString::number(from->item(0)->data(Qt::UserRole).toInt());
    QVERIFY(m_db->exec(QString(sabotage).replace(QStringLiteral("{item}"), item)));

    doubleClick(from, 0);
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY2(MsgBoxScript::shown().constFirst().startsWith(message),
        qPrintable(MsgBoxScript::shown().constFirst()));
    QCOMPARE(texts(list(QLatin1String(s.unassigned))), unassignedBefore);
    QCOMPARE(texts(list(QLatin1String(s.assigned))), assignedBefore);
    QVERIFY(m_screen->isVisible());
}

void tst_Assign::commandFollowsTheCurrentOwner()
{
    QVERIFY(openScreen(int(Kind::SermonTopics), 6));
    frmAssignTopics *first = m_screen;
    QCOMPARE(texts(list(QStringLiteral("lstSermonTopics"))).size(), 2);

    // The sermon list moved on to another sermon: the open screen now shows that one.
    QVERIFY(openScreen(int(Kind::SermonTopics), 31));
    QCOMPARE(m_screen, first);
    QCOMPARE(m_screen->ownerKey(), 31);
    QCOMPARE(
        m_screen->findChild<QLabel *>(QStringLiteral("lblSermonID"))->text(), QStringLiteral("31"));
    QCOMPARE(list(QStringLiteral("lstSermonTopics"))->count(), 0);
    QCOMPARE(list(QStringLiteral("lstTopics"))->count(), 20);
    // Return does what a double-click does.
    list(QStringLiteral("lstTopics"))->setCurrentRow(0);
    QTest::keyClick(list(QStringLiteral("lstTopics")), Qt::Key_Return);
    QCOMPARE(
        m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM tblSermonTopics WHERE lngSermonID=31"))
            .toInt(),
        1);

    // A topic added on the topic screen shows up at once.
    QVERIFY(m_db->exec(QStringLiteral("INSERT INTO tblTopics VALUES (21, 'PATIENCE')")));
    Q_EMIT ScreenEvents::instance().topicsChanged();
    QCOMPARE(list(QStringLiteral("lstTopics"))->count(), 20);
    QCOMPARE(list(QStringLiteral("lstSermonTopics"))->count(), 1);

    // Without a sermon or a saved illustration nothing opens.
    const int open = int(m_main->workArea()->subWindowList().size());
    m_main->runCommand(QStringLiteral("frmSermIllu"));
    openOpener(QStringLiteral("frmIllustr"), 0);
    m_main->runCommand(QStringLiteral("frmIllustrTopic"));
    QCOMPARE(m_main->workArea()->subWindowList().size(), open + 1);
}

void tst_Assign::closingMaximisesTheOpener()
{
    QFETCH(int, kind);
    const Screen &s = screens[kind];
    QWidget *opener
        = Kind(kind) == Kind::IllustrationTopics ? nullptr : openOpener(QLatin1String(s.opener), 0);
    QVERIFY(openScreen(kind, FreshOwner[kind]));
    if (!opener) {
        opener = m_main->findChild<QWidget *>(QLatin1String(s.opener));
    }
    auto *frame = qobject_cast<QMdiSubWindow *>(opener->parentWidget());
    QVERIFY(!frame->isMaximized());
    const int openScreens = OpenScreenCount;
    QTest::mouseClick(
        m_screen->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(frame->isMaximized());
    QCOMPARE(OpenScreenCount, openScreens - 1);
}

QTEST_MAIN(tst_Assign)
#include "tst_assign.moc"
