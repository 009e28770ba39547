// The pictures of the user guide, one for each task it walks through.
#include "DataGrid.h"
#include "ImportPaths.h"
#include "ScreenshotTour.h"
#include "clsConfig.h"
#include "frmConfig.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

// A control of the screen in front of the work area.
template <typename T> T *inWorkArea(frmMain &main, const char *name)
{
    QMdiSubWindow *front = main.workArea()->activeSubWindow();
    return front && front->widget() ? front->widget()->findChild<T *>(QLatin1String(name))
                                    : nullptr;
}

// Opens the sermon screen and clicks the row of the sermon on `reference`, as a user would,
// then waits for its passage to be read beside the outline.
void showSermon(frmMain &main, const QString &reference)
{
    main.runCommand(QStringLiteral("mnuESermon"));
    DataGrid *grid = inWorkArea<DataGrid>(main, "grdSermons");
    if (!grid)
        return;
    for (int row = 1; row < grid->rows(); ++row) {
        if (grid->text(row, 1).startsWith(reference)) {
            const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
            // Apart in time from the last step's click, or Qt would take the two for one
            // double click.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center(), 600);
            break;
        }
    }
    QTest::qWait(1200);
}

void clickButton(frmMain &main, const char *name)
{
    if (auto *button = inWorkArea<QPushButton>(main, name))
        button->click();
}

} // namespace

void ScreenshotTour::addGuideShots(ScreenshotTour &tour)
{
    tour.add(QStringLiteral("first-start.png"), [](frmMain &) {});
    tour.add(QStringLiteral("sermon-and-outline.png"),
        [](frmMain &main) { showSermon(main, QStringLiteral("Psalms 23")); });
    tour.add(QStringLiteral("checklist.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuCBible")); });
    tour.add(QStringLiteral("text-search.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuSAll")); });
    tour.add(QStringLiteral("passage-search.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuCPassage")); });
    tour.add(QStringLiteral("tracker.png"), [](frmMain &main) {
        showSermon(main, QStringLiteral("Psalms 23"));
        clickButton(main, "cmdTrack");
    });
    tour.add(QStringLiteral("import.png"), [](frmMain &main) {
        // The review as it stands once the sample outlines are read: the file chooser's answer
        // is given ahead, as the tests give it.
        const QDir samples(QStringLiteral(LECTORUM_SOURCE_DIR "/tests/data/import"));
        QStringList files;
        for (const QString &name : samples.entryList(
                 { QStringLiteral("*.docx"), QStringLiteral("*.odt"), QStringLiteral("*.rtf") }))
            files.append(samples.filePath(name));
        ImportPaths::queueAnswer(files);
        main.runCommand(QStringLiteral("mnuFImportFiles"));
    });
    tour.add(QStringLiteral("preaching-view.png"), [](frmMain &main) {
        showSermon(main, QStringLiteral("Psalms 23"));
        main.runCommand(QStringLiteral("mnuEPreach"));
    });
    tour.add(
        QStringLiteral("pulpit-copy.png"),
        [](frmMain &main) {
            showSermon(main, QStringLiteral("Psalms 23"));
            main.runCommand(QStringLiteral("mnuPPulpit"));
        },
        true);
    tour.add(QStringLiteral("reports.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuRCoverage")); });
    tour.add(QStringLiteral("sermons-per-year.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuRPerYear")); });
    tour.add(QStringLiteral("recordings.png"), [](frmMain &main) {
        showSermon(main, QStringLiteral("Psalms 23"));
        clickButton(main, "cmdRecordings");
    });
    tour.add(QStringLiteral("publish.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuFPublishSite")); });
    tour.add(QStringLiteral("check-database.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuFCheck")); });
    tour.add(QStringLiteral("restore.png"),
        [](frmMain &main) { main.runCommand(QStringLiteral("mnuFRestore")); });
    tour.add(
        QStringLiteral("server-library.png"),
        [](frmMain &main) {
            clsConfig config;
            frmConfig screen(config, &main);
            if (auto *server = screen.findChild<QAbstractButton *>(QStringLiteral("optServer")))
                server->setChecked(true);
            screen.exec();
        },
        true);
}

void ScreenshotTour::addSpanishShots(ScreenshotTour &tour)
{
    // The same sermon as the English picture (its reference is the library's own text).
    tour.add(QStringLiteral("spanish.png"), [](frmMain &main) {
        showSermon(main, QStringLiteral("Psalms 23"));
        if (!inWorkArea<QWidget>(main, "frmSermon"))
            return;
        clickButton(main, "cmdOutline");
        QTest::qWait(1200);
    });
}
