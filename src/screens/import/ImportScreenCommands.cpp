#include "ImportCommands.h"

#include "CsvImport.h"
#include "DbDatabase.h"
#include "HourglassGuard.h"
#include "ImportPaths.h"
#include "ImportUndo.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "frmCsvColumns.h"
#include "frmImport.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

void showReview(frmImport *screen)
{
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->open();
}

void mnuFImportFiles_Click(frmMain &main)
{
    auto *screen = new frmImport(frmImport::Mode::Files, &main);
    if (!screen->load()) {
        delete screen;
        return;
    }
    showReview(screen);
    // The files are chosen from the review, which can add more folders later.
    const QStringList chosen = ImportPaths::outlineFiles(screen);
    if (!chosen.isEmpty())
        screen->readPaths(chosen);
}

void mnuFImportCsv_Click(frmMain &main)
{
    const QString path = ImportPaths::csvFile(&main);
    if (path.isEmpty())
        return;
    const CsvImport::Sheet sheet = CsvImport::read(path);
    if (!sheet.error.isEmpty()) {
        MsgBox(QCoreApplication::translate(
                   "ImportScreenCommands", "%1 could not be read as a sermon list.\n%2")
                   .arg(QFileInfo(path).fileName(), sheet.error),
            MsgBoxStyle::OkExclamation);
        return;
    }
    QList<CsvField> columns = CsvColumns::guess(sheet.headings);
    // The list File > Export writes needs no matching; any other file is matched by the user.
    if (!CsvColumns::isExportedList(sheet.headings)) {
        frmCsvColumns match(sheet.headings, sheet.records.value(0), &main);
        if (match.exec() != QDialog::Accepted)
            return;
        columns = match.columns();
    }
    auto *screen = new frmImport(frmImport::Mode::SermonList, &main);
    if (!screen->load()) {
        delete screen;
        return;
    }
    screen->setListRows(
        CsvImport::rows(sheet, columns, screen->review(), screen->names(), screen->defaults()),
        path);
    showReview(screen);
}

QString titles(const QList<ImportUndo::Sermon> &sermons, ImportUndo::Sermon::State state)
{
    QStringList lines;
    for (const ImportUndo::Sermon &s : sermons) {
        if (s.state == state)
            lines.append(QStringLiteral("  ") + s.title);
    }
    if (lines.size() > 15) {
        const qsizetype more = lines.size() - 15;
        lines = lines.mid(0, 15);
        lines.append(QStringLiteral("  ")
            + QCoreApplication::translate("ImportScreenCommands", "and %1 more").arg(more));
    }
    return lines.join(QLatin1Char('\n'));
}

QString planText(const ImportUndo::Plan &plan)
{
    const int unchanged = plan.count(ImportUndo::Sermon::State::Unchanged);
    const int changed = plan.count(ImportUndo::Sermon::State::Changed);
    const int gone = plan.count(ImportUndo::Sermon::State::Gone);
    const QString paragraph = QStringLiteral("\n\n");
    const QString user = plan.userName.isEmpty()
        ? QCoreApplication::translate("ImportScreenCommands", "an unnamed user")
        : plan.userName;
    QString text = QCoreApplication::translate("ImportScreenCommands",
        "The last import (%1, %2 by %3) added %n sermon(s).", nullptr, int(plan.sermons.size()))
                       .arg(plan.source, MomentText(plan.imported), user);
    if (unchanged > 0)
        text += paragraph
            + QCoreApplication::translate("ImportScreenCommands", "To be deleted (%1):")
                  .arg(unchanged)
            + QLatin1Char('\n') + titles(plan.sermons, ImportUndo::Sermon::State::Unchanged);
    if (changed > 0)
        text += paragraph
            + QCoreApplication::translate("ImportScreenCommands", "Changed since, and kept (%1):")
                  .arg(changed)
            + QLatin1Char('\n') + titles(plan.sermons, ImportUndo::Sermon::State::Changed);
    if (gone > 0)
        text += paragraph
            + QCoreApplication::translate(
                "ImportScreenCommands", "%n were deleted already.", nullptr, gone);
    return text + paragraph
        + QCoreApplication::translate("ImportScreenCommands", "Undo this import?");
}

void mnuFImportUndo_Click()
{
    DbError error;
    DbDatabase *db = ProgramConnection().openDatabase(error);
    ImportUndo::Plan plan;
    if (!db || !ImportUndo::lastBatch(*db, plan, error)) {
        ShowSystemError(error);
        return;
    }
    if (!plan.available) {
        MsgBox(QCoreApplication::translate("ImportScreenCommands",
            "This library was made before imports could be undone; it keeps "
            "no record of its imports."));
        return;
    }
    if (plan.batchID == 0) {
        MsgBox(QCoreApplication::translate("ImportScreenCommands", "There is no import to undo."));
        return;
    }
    if (MsgBox(planText(plan), MsgBoxStyle::YesNoQuestion) != MsgBoxAnswer::Yes)
        return;
    bool deleteLinked = false;
    if (plan.linkedCount() > 0) {
        const MsgBoxAnswer answer
            = MsgBox(QCoreApplication::translate("ImportScreenCommands",
                         "%n of these sermons have topics, illustrations or occasions now. "
                         "Delete them too?\n(No keeps them.)",
                         nullptr, plan.linkedCount()),
                MsgBoxStyle::YesNoCancelQuestion);
        if (answer == MsgBoxAnswer::Cancel)
            return;
        deleteLinked = answer == MsgBoxAnswer::Yes;
    }
    int deleted = 0;
    HourglassGuard hourglass;
    const bool undone = ImportUndo::undo(*db, plan, deleteLinked, deleted, error);
    hourglass.release();
    if (!undone) {
        ShowSystemError(error);
        return;
    }
    const int kept
        = int(plan.sermons.size()) - deleted - plan.count(ImportUndo::Sermon::State::Gone);
    // Two counts: the sentence is one text, the second count's words put in as %1.
    MsgBox(
        QCoreApplication::translate("ImportScreenCommands",
            "The import was undone: %n sermon(s) deleted, %1", nullptr, deleted)
            .arg(QCoreApplication::translate("ImportScreenCommands", "%n kept.", nullptr, kept)));
}

} // namespace

void RegisterImportScreenCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuFImportFiles"), [&main] { mnuFImportFiles_Click(main); });
    main.setCommand(QStringLiteral("mnuFImportCsv"), [&main] { mnuFImportCsv_Click(main); });
    main.setCommand(QStringLiteral("mnuFImportUndo"), &mnuFImportUndo_Click);
}
