#include "../sermons/SermonScreenCase.h"

#include "PublishCommands.h"
#include "PublishPaths.h"
#include "frmPublish.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using namespace SermonScreenFixture;

// File > Publish > Sermon Website and Podcast...: the menu item, the three ways of choosing
// the sermons, the checks before publishing, and the choices the library keeps for next time.
class tst_PublishScreen : public QObject, private SermonScreenCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();
    void menuItem();
    void publishChoices_data();
    void publishChoices();
    void refusesWithoutFolder();
    void passageText();

private:
    frmPublish *openPublish();
    void closePublish(frmPublish *dialog);
};

void tst_PublishScreen::initTestCase_data()
{
    TestEnvironment::addEngineColumn();
    TestEnvironment::addEngineRows();
}

void tst_PublishScreen::init()
{
    setUp();
    if (!m_main)
        return; // the engine is not here: the test was skipped
    RegisterPublishScreenCommands(*m_main);
    PublishPaths::clearAnswers();
}

void tst_PublishScreen::cleanup()
{
    tearDown();
}

frmPublish *tst_PublishScreen::openPublish()
{
    m_main->runCommand(QStringLiteral("mnuFPublishSite"));
    return m_main->findChild<frmPublish *>(QStringLiteral("frmPublish"));
}

void tst_PublishScreen::closePublish(frmPublish *dialog)
{
    if (dialog->isVisible())
        QTest::mouseClick(widget<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    QApplication::processEvents();
}

void tst_PublishScreen::menuItem()
{
    auto *publish = m_main->menuBar()->findChild<QMenu *>(QStringLiteral("mnuFPublish"));
    QVERIFY(publish);
    QCOMPARE(publish->actions().size(), 1);
    QCOMPARE(publish->actions().first()->text(), QStringLiteral("Sermon Website and Podcast..."));
    // After the File menu's own items.
    auto *file = m_main->menuBar()->findChild<QMenu *>(QStringLiteral("mnufile"));
    QCOMPARE(file->actions().last(), publish->menuAction());
}

void tst_PublishScreen::publishChoices_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("pages");
    // The fixture dates only sermon 10; the list shows all five; series 2 holds 11 and 14.
    QTest::newRow("all with a date") << "optAllDated" << QStringList { "10.html" };
    QTest::newRow("the current list")
        << "optCurrentList"
        << QStringList { "10.html", "11.html", "12.html", "13.html", "14.html" };
    QTest::newRow("a series") << "optSeries" << QStringList { "11.html", "14.html" };
}

void tst_PublishScreen::publishChoices()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, pages);
    openAll();
    frmPublish *dialog = openPublish();
    QVERIFY(dialog);
    QVERIFY(widget<QRadioButton>(dialog, "optAllDated")->isChecked());
    QCOMPARE(widget<QRadioButton>(dialog, "optCurrentList")->text(),
        QStringLiteral("The sermon &list's current sermons (5)"));
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtTitle"), QStringLiteral("St. Mary's <Sermons>"));
    const QString site = m_db->folder() + QStringLiteral("/site");
    PublishPaths::queueAnswer(site);
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdFolder"), Qt::LeftButton);
    QCOMPARE(widget<QLineEdit>(dialog, "txtFolder")->text(), site);
    widget<QRadioButton>(dialog, choice.toLatin1().constData())->setChecked(true);
    auto *series = widget<QComboBox>(dialog, "cboSeries");
    series->setCurrentIndex(series->findText(QStringLiteral("Letters")));
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdPublish"), Qt::LeftButton);
    // The files are written on a thread of their own; the window answers when they are.
    QTRY_COMPARE_WITH_TIMEOUT(MsgBoxScript::shown().size(), 1, 60000);
    QVERIFY2(MsgBoxScript::shown().first().startsWith(
                 QStringLiteral("Published %1 sermons").arg(pages.size()))
            || MsgBoxScript::shown().first().startsWith(QStringLiteral("Published 1 sermon")),
        qPrintable(MsgBoxScript::shown().first()));
    QCOMPARE(QDir(site + QStringLiteral("/sermons")).entryList(QDir::Files), pages);
    QVERIFY(QFile(site + QStringLiteral("/index.html")).open(QIODevice::ReadOnly));
    QApplication::processEvents();

    // The library keeps the choices: the window opens with them.
    dialog = openPublish();
    QVERIFY(dialog);
    QCOMPARE(widget<QLineEdit>(dialog, "txtTitle")->text(), QStringLiteral("St. Mary's <Sermons>"));
    QCOMPARE(widget<QLineEdit>(dialog, "txtFolder")->text(), site);
    QVERIFY(widget<QRadioButton>(dialog, choice.toLatin1().constData())->isChecked());
    closePublish(dialog);
}

void tst_PublishScreen::refusesWithoutFolder()
{
    frmPublish *dialog = openPublish();
    QVERIFY(dialog);
    // Without the sermon screen there is no current list to choose.
    QVERIFY(!widget<QRadioButton>(dialog, "optCurrentList")->isEnabled());
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtTitle"), QStringLiteral("Sermons"));
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdPublish"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown(),
        QStringList {
            QStringLiteral("Type the site's title and choose the folder to publish into.") });
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtFolder"), m_db->folder());
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtBaseUrl"), QStringLiteral("javascript:x"));
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdPublish"), Qt::LeftButton);
    QCOMPARE(MsgBoxScript::shown().size(), 2);
    QVERIFY(MsgBoxScript::shown().last().startsWith(QStringLiteral("The web address must")));
    QVERIFY(dialog->isVisible());
    closePublish(dialog);
}

void tst_PublishScreen::passageText()
{
    frmPublish *dialog = openPublish();
    QVERIFY(dialog);
    // Only Bibles whose licence allows publishing are offered (the WEB and the KJV installed
    // for the tests are in the public domain).
    auto *bibles = widget<QComboBox>(dialog, "cboBible");
    QVERIFY(bibles->findText(QStringLiteral("WEB"), Qt::MatchStartsWith) >= 0);
    bibles->setCurrentIndex(bibles->findText(QStringLiteral("WEB"), Qt::MatchStartsWith));
    auto *passage = widget<QCheckBox>(dialog, "chkPassageText");
    QVERIFY(passage->isEnabled());
    passage->setChecked(true);
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtTitle"), QStringLiteral("Sermons"));
    const QString site = m_db->folder() + QStringLiteral("/site");
    QTest::keyClicks(widget<QLineEdit>(dialog, "txtFolder"), site);
    MsgBoxScript::clear();
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdPublish"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(MsgBoxScript::shown().size(), 1, 60000);
    QFile page(site + QStringLiteral("/sermons/10.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY2(html.contains(QStringLiteral("3:16 For God so loved the world")), qPrintable(html));
    QApplication::processEvents();
}

QTEST_MAIN(tst_PublishScreen)
#include "tst_publishscreen.moc"
