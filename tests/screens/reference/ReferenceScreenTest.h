#pragma once

#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ReferenceCommands.h"
#include "ScreenTestReset.h"
#include "SermonQuery.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

// What the reference-screen suites share: a fresh demo library in a SQLite file, a main
// window with the reference screens' commands, prompts answered from the script.
class ReferenceScreenTest : public QObject
{
protected:
    void setUpScreens()
    {
        UserInterface::install(&QtUserInterface::instance());
        ScreenTestReset::begin();
        m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite, true);
        m_main = std::make_unique<frmMain>();
        QtUserInterface::instance().setStatusTextRaw(ProductName);
        RegisterReferenceScreenCommands(*m_main);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void tearDownScreens()
    {
        ScreenTestReset::verifyScriptConsumed();
        m_main.reset();
        m_db.reset();
        ScreenTestReset::verifyNothingOpen();
    }

    // Runs a menu command and returns the screen it opened.
    template <typename Screen = QWidget> Screen *open(const char *command, const char *screenName)
    {
        m_main->runCommand(QLatin1String(command));
        QApplication::processEvents();
        return m_main->workArea()->findChild<Screen *>(QLatin1String(screenName));
    }

    template <typename Control> static Control *control(QWidget *screen, const char *name)
    {
        return screen->findChild<Control *>(QLatin1String(name));
    }

    static void click(QWidget *screen, const char *buttonName)
    {
        QPushButton *button = control<QPushButton>(screen, buttonName);
        QVERIFY2(button, buttonName);
        QVERIFY2(button->isEnabled(), buttonName);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A click on the list entry with that text.
    static void choose(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        list->scrollToItem(found.first());
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        QCOMPARE(list->currentItem(), found.first());
    }

    bool menuEnabled(const char *name) const
    {
        return m_main->action(QLatin1String(name))->isEnabled();
    }

    QString scalarText(const QString &sql) { return m_db->scalar(sql).toString(); }
    int scalarInt(const QString &sql) { return m_db->scalar(sql).toInt(); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};
