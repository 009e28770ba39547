#include "LibraryCommands.h"

#include "DataGrid.h"
#include "ExportPaths.h"
#include "OutlineDocument.h"
#include "OutlineFileNames.h"
#include "OutlineFolderExport.h"
#include "PrintCommands.h"
#include "SermonListCsv.h"
#include "UserInterface.h"
#include "frmExportOutlines.h"
#include "frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

// The open sermon screen, whose list and shown sermon the exports take.
QWidget *sermonScreen(frmMain &main)
{
    const QList<QMdiSubWindow *> frames = main.workArea()->subWindowList();
    for (QMdiSubWindow *frame : frames) {
        if (frame->widget() && frame->widget()->objectName() == QLatin1String("frmSermon"))
            return frame->widget();
    }
    return nullptr;
}

// The keys of the rows the sermon grid shows, in its order; empty (and said) when there is
// no list to take.
QList<qint32> listedSermons(frmMain &main)
{
    QList<qint32> ids;
    QWidget *screen = sermonScreen(main);
    const auto *grid
        = screen ? screen->findChild<DataGrid *>(QStringLiteral("grdSermons")) : nullptr;
    if (grid) {
        for (int row = grid->fixedRows(); row < grid->rows(); ++row) {
            bool isKey = false;
            const qint32 id = grid->text(row, 0).trimmed().toInt(&isKey);
            if (isKey)
                ids.append(id);
        }
    }
    if (ids.isEmpty())
        MsgBox(QCoreApplication::translate("ExportCommands",
                   "There is no sermon list to export. Open the sermon screen (Edit > Sermon) "
                   "and choose the sermons with a search or checklist first."),
            MsgBoxStyle::OkExclamation);
    return ids;
}

bool readRows(const QList<qint32> &ids, bool withOutlines, QList<SermonExportRow> &rows)
{
    const QString previous = BeginBusy(
        QCoreApplication::translate("ExportCommands", "Please Wait While Loading Sermons"));
    DbError error;
    const bool read = SermonExportRows::read(ids, withOutlines, rows, error);
    EndBusy(previous);
    if (!read)
        ShowSystemError(error);
    return read;
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A chosen name without a suffix gets the one of the chosen file type.
QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

void exportSermonList(frmMain &main)
{
    const QList<qint32> ids = listedSermons(main);
    if (ids.isEmpty())
        return;
    const ExportPaths::Choice choice = ExportPaths::saveFile(&main,
        QCoreApplication::translate("ExportCommands", "Sermon List as CSV"),
        QDir(documentsFolder())
            .filePath(QCoreApplication::translate("ExportCommands", "Sermon List.csv")),
        { QCoreApplication::translate("ExportCommands", "CSV (*.csv)"),
            QCoreApplication::translate("ExportCommands",
                "CSV with byte-order mark, for spreadsheets that need one (*.csv)") });
    if (choice.path.isEmpty())
        return;
    const QString path = withSuffix(choice.path, QStringLiteral("csv"));
    if (!ExportPaths::mayReplace(path))
        return;
    QList<SermonExportRow> rows;
    if (!readRows(ids, false, rows))
        return;
    QString failure;
    if (!SermonListCsv::write(path, rows, choice.filter == 1, failure))
        MsgBox(failure, MsgBoxStyle::OkExclamation);
}

void exportOutline(frmMain &main)
{
    QWidget *screen = sermonScreen(main);
    const auto *shown
        = screen ? screen->findChild<QLabel *>(QStringLiteral("lblSermonID")) : nullptr;
    bool isKey = false;
    const qint32 id = shown ? shown->text().trimmed().toInt(&isKey) : 0;
    if (!isKey) {
        MsgBox(QCoreApplication::translate("ExportCommands",
                   "There is no sermon to export. Open the sermon screen (Edit > Sermon) and "
                   "choose a sermon first."),
            MsgBoxStyle::OkExclamation);
        return;
    }
    QList<SermonExportRow> rows;
    if (!readRows({ id }, true, rows) || rows.isEmpty())
        return;
    const QStringList filters
        = { QCoreApplication::translate("ExportCommands", "OpenDocument Text (*.odt)"),
              QCoreApplication::translate("ExportCommands", "Markdown (*.md)"),
              QCoreApplication::translate("ExportCommands", "Plain Text (*.txt)") };
    const QString suggested
        = QDir(documentsFolder())
              .filePath(OutlineFileNames::baseName(rows.first()) + QStringLiteral(".odt"));
    const ExportPaths::Choice choice = ExportPaths::saveFile(&main,
        QCoreApplication::translate("ExportCommands", "Outline as Document"), suggested, filters);
    if (choice.path.isEmpty())
        return;
    const OutlineDocument::Format chosen = choice.filter == 1 ? OutlineDocument::Format::Markdown
        : choice.filter == 2                                  ? OutlineDocument::Format::PlainText
                             : OutlineDocument::Format::OpenDocument;
    const QString path = withSuffix(choice.path, OutlineDocument::suffixFor(chosen));
    if (!ExportPaths::mayReplace(path))
        return;
    // The passage text first when the user asked for it beside the outline.
    const QString passage = OutlinePassageText();
    if (!passage.isEmpty())
        rows.first().outline = passage + QStringLiteral("\n\n") + rows.first().outline;
    QString failure;
    if (!OutlineDocument::write(path, rows.first(), failure))
        MsgBox(failure, MsgBoxStyle::OkExclamation);
}

void exportAllOutlines(frmMain &main)
{
    const QList<qint32> ids = listedSermons(main);
    if (ids.isEmpty())
        return;
    frmExportOutlines ask(&main);
    if (ask.exec() != QDialog::Accepted)
        return;
    QProgressDialog progress(QCoreApplication::translate("ExportCommands", "Writing outlines..."),
        QCoreApplication::translate("ExportCommands", "&Cancel"), 0, int(ids.size()), &main);
    progress.setObjectName(QStringLiteral("frmExportProgress"));
    progress.setWindowTitle(
        QCoreApplication::translate("ExportCommands", "All Outlines as Documents"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    OutlineFolderExport writer(ask.folder(), ask.format());
    const bool done = writer.run(ids, [&progress](int written, int total) {
        progress.setLabelText(
            QCoreApplication::translate("ExportCommands", "Writing outline %1 of %2...")
                .arg(qMin(written + 1, total))
                .arg(total));
        progress.setValue(written);
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();
    if (writer.cancelled()) {
        MsgBox(QCoreApplication::translate("ExportCommands",
            "Cancelled: %1 of %n outlines were written to %2.", nullptr, int(ids.size()))
                   .arg(writer.written())
                   .arg(QDir::toNativeSeparators(ask.folder())));
    } else if (!done) {
        MsgBox(writer.failure() + QLatin1Char('\n')
                + QCoreApplication::translate("ExportCommands",
                    "%n outlines were written before this.", nullptr, writer.written()),
            MsgBoxStyle::OkExclamation);
    } else {
        MsgBox(QCoreApplication::translate(
            "ExportCommands", "%n outlines were written to %1.", nullptr, writer.written())
                   .arg(QDir::toNativeSeparators(ask.folder())));
    }
}

} // namespace

void RegisterExportCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuFExportList"), [&main] { exportSermonList(main); });
    main.setCommand(QStringLiteral("mnuFExportOutline"), [&main] { exportOutline(main); });
    main.setCommand(QStringLiteral("mnuFExportAll"), [&main] { exportAllOutlines(main); });
}
