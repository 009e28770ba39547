#pragma once

// What the sermon, notes, checklist and text-search suites share: a fresh SQLite library with
// five known sermons, a main window with the sermon and selection commands, and helpers to
// read the sermon list.
//
// The library, in Bible order (book key, chapter, verse, reference):
//   11 Genesis 1:1-5   O'Connor  series 2  "In the Beginning"  no big idea      topic PRAYER
//   12 Psalm 23        Harper    series 0  "The Shepherd"      big idea " "     -
//   13 John 1:1-14     Delgado   series 1  "The Word"          "Light shines"   GRACE, PRAYER
//   10 John 3:16       Harper    series 1  "God So Loved"      "Love gives"     GRACE
//   14 Romans 8:28     O'Connor  series 2  "All Things"        "Hope in suffering" HOPE

#include "DataGrid.h"
#include "ProgramGlobals.h"
#include "QtUserInterface.h"
#include "ScreenTestReset.h"
#include "SelectionCommands.h"
#include "SermonCommands.h"
#include "SermonQuery.h"
#include "SharedOutline.h"
#include "TestEnvironment.h"
#include "UserInterface.h"
#include "frmMain.h"
#include "frmNotes.h"
#include "frmSermon.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

namespace SermonScreenFixture {

inline bool loadLibrary(TestDatabase &db)
{
    const QStringList statements = {
        QStringLiteral("INSERT INTO tblPreachers (lngPreacherID, strFirstName, strLastName, "
                       "lngStateID) VALUES (1, 'Daniel', 'Harper', 0), (2, 'Margaret', "
                       "'O''Connor', 0), (3, 'José', 'Delgado', 0)"),
        QStringLiteral("INSERT INTO tblSeries (lngSeriesID, strName, lngBibleBookID, "
                       "lngPreacherID, lngTypeID, lngPublisherID) VALUES (1, 'John', 43, 1, 1, "
                       "0), (2, 'Letters', 45, 2, 1, 0)"),
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES (1, 'GRACE'), "
                       "(2, 'PRAYER'), (3, 'HOPE')"),
        QStringLiteral(
            "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, "
            "intBeginChapter, intBeginVerse, intEndChapter, intEndVerse, strDisplayText, "
            "lngSeriesID, strTitle, strBigIdea, dtDatePreached, strLocation, strOutline) VALUES "
            "(10, 1, 1, 43, 3, 16, 3, 16, 'John 3:16', 1, 'God So Loved', 'Love gives', "
            "'1998-06-15', 'Main Street', 'I. Grace abounds\nII. Love gives'), "
            "(11, 2, 2, 1, 1, 1, 1, 5, 'Genesis 1:1-5', 2, 'In the Beginning', NULL, NULL, "
            "NULL, 'Creation and prayer'), "
            "(12, 1, 1, 19, 23, 1, 23, 6, 'Psalm 23', 0, 'The Shepherd', ' ', NULL, NULL, "
            "'The Lord is my shepherd'), "
            "(13, 3, 1, 43, 1, 1, 1, 14, 'John 1:1-14', 1, 'The Word', 'Light shines', NULL, "
            "NULL, 'Prayer and hope in the Word'), "
            "(14, 2, 3, 45, 8, 28, 8, 28, 'Romans 8:28', 2, 'All Things', 'Hope in suffering', "
            "NULL, NULL, NULL)"),
        QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES (10, 1), "
                       "(13, 1), (13, 2), (14, 3), (11, 2)"),
    };
    for (const QString &sql : statements) {
        if (!db.exec(sql)) {
            return false;
        }
    }
    return true;
}

// The main window with the sermon and selection commands, fresh selection state and
// scripted message boxes.
inline std::unique_ptr<frmMain> makeMainWindow()
{
    UserInterface::install(&QtUserInterface::instance());
    ScreenTestReset::begin();
    frmNotes::gboolNotesOpen = false;
    auto main = std::make_unique<frmMain>();
    QtUserInterface::instance().setStatusTextRaw(ProductName);
    RegisterSermonScreenCommands(*main);
    RegisterSelectionScreenCommands(*main);
    main->show();
    // Focus moves (the reference and date rules) need an active window.
    QApplication::setActiveWindow(main.get());
    if (!QTest::qWaitForWindowActive(main.get())) {
        qWarning("The main window did not become active");
    }
    return main;
}

// Closes every screen without saving and lets deferred deletions run.
inline void closeAll(std::unique_ptr<frmMain> &main)
{
    if (!main) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        MsgBoxScript::queueAnswer(MsgBoxAnswer::No);
    }
    main->workArea()->closeAllSubWindows();
    QApplication::processEvents();
    main.reset();
    QApplication::processEvents();
    MsgBoxScript::clear();
}

// Column 0 of the data rows, the trailing blank row left out.
inline QStringList gridKeys(const DataGrid *grid)
{
    QStringList keys;
    for (int row = 1; row < grid->rows() - 1; ++row) {
        keys.append(grid->text(row, 0));
    }
    return keys;
}

inline frmSermon *sermonScreen()
{
    return frmSermon::instance();
}

} // namespace SermonScreenFixture
