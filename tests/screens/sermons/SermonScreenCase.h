#pragma once

// The set-up the sermon screen's suites share: the known library of SermonScreenFixture on the
// engine of the current global row, a main window over it, and after each case the checks
// that every scripted answer was taken and nothing was left open. A suite derives from it
// beside QObject and calls setUp() and tearDown() from its init() and cleanup().

#include "../selection/SermonScreenFixture.h"

#include "WidgetLookup.h"

#include <QRect>
#include <QVariant>

class SermonScreenCase
{
protected:
    void setUp()
    {
        QFETCH_GLOBAL(int, engine);
        m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine(engine));
        REQUIRE_DATABASE(*m_db);
        QVERIFY(SermonScreenFixture::loadLibrary(*m_db));
        m_main = SermonScreenFixture::makeMainWindow();
    }

    void tearDown()
    {
        ScreenTestReset::verifyScriptConsumed();
        SermonScreenFixture::closeAll(m_main);
        m_db.reset();
        ScreenTestReset::verifyNothingOpen();
    }

    // Every sermon, as Edit > Sermons lists them.
    frmSermon *openAll()
    {
        m_main->runCommand(QStringLiteral("mnuESermon"));
        return SermonScreenFixture::sermonScreen();
    }

    void chooseRow(int row)
    {
        frmSermon *screen = SermonScreenFixture::sermonScreen();
        QVERIFY(screen);
        // As a user would: the current cell moves onto the row.
        DataGrid *grid = widget<DataGrid>(screen, "grdSermons");
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(grid->row(), row);
    }

    QVariant sermonColumn(int id, const char *column)
    {
        return m_db->scalar(QStringLiteral("SELECT %1 FROM tblSermons WHERE lngSermonID = %2")
                                .arg(QLatin1String(column))
                                .arg(id));
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMain> m_main;
};
