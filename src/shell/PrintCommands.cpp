#include "PrintCommands.h"

#include "DataGrid.h"
#include "PrintJob.h"
#include "SharedOutline.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// A control of a screen open in the main window's work area, found by their names.
template <typename Control = QWidget>
Control *screenControl(const char *screenName, const char *controlName)
{
    const frmMain *main = frmMain::instance();
    if (!main)
        return nullptr;
    auto *screen = main->workArea()->findChild<QWidget *>(QLatin1String(screenName));
    return screen ? screen->findChild<Control *>(QLatin1String(controlName)) : nullptr;
}

QString textOf(const QWidget *control)
{
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(control))
        return rich->toPlainText();
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

OutlinePassageSource &passageSource()
{
    static OutlinePassageSource source;
    return source;
}

} // namespace

void SetOutlinePassageSource(OutlinePassageSource source)
{
    passageSource() = std::move(source);
}

QString OutlinePassageText()
{
    return passageSource() ? passageSource()() : QString();
}

void ComposeSermonOutline(
    PrintJob &job, const QString &outline, const QString &fontName, int pointSize)
{
    job.setFontSize(pointSize);
    job.setFontName(fontName);
    job.print(PrintJob::lineBreak() + PrintJob::lineBreak() + outline);
}

void ComposeSermonList(PrintJob &job, const DataGrid &grid)
{
    job.print(PrintJob::lineBreak() + PrintJob::lineBreak());
    job.setFontSize(14);
    const QString gap = QStringLiteral("  ");
    // Row 0 is the heading row; the list ends at the first row without an ID.
    for (int row = 0; row < PrintedListRows && row < grid.rows(); ++row) {
        const QString first = grid.text(row, 0);
        if (first.isEmpty() || first == QLatin1String(" "))
            break;
        job.print(PrintJob::lineBreak() + first + gap + grid.text(row, 1) + gap + grid.text(row, 2)
            + gap + grid.text(row, 3));
        job.setFontSize(8);
    }
}

void ComposeIllustration(PrintJob &job, const QString &illustration)
{
    job.print(PrintJob::lineBreak() + PrintJob::lineBreak() + illustration);
}

void PrintSelectedSermon()
{
    const frmMain *main = frmMain::instance();
    if (!main)
        return;
    // A closed notes window has handed its text back on closing.
    const QWidget *outline = screenControl("frmNotes", "txtOutline");
    QString text = outline ? textOf(outline) : SharedOutline().text;
    const QString passage = OutlinePassageText();
    if (!passage.isEmpty())
        text = passage + PrintJob::lineBreak() + PrintJob::lineBreak() + text;
    PrintJob job;
    ComposeSermonOutline(job, text, main->outlineFontName(), main->outlineFontSize());
    job.end(QCoreApplication::translate("PrintCommands", "Sermon Outline"));
}

void PrintCurrentList()
{
    const DataGrid *grid = screenControl<DataGrid>("frmSermon", "grdSermons");
    if (!grid)
        return;
    PrintJob job;
    ComposeSermonList(job, *grid);
    job.end(QCoreApplication::translate("PrintCommands", "Sermon List"));
}

void PrintIllustration()
{
    const QWidget *text = screenControl("frmIllustr", "txtIllustration");
    if (!text)
        return;
    PrintJob job;
    ComposeIllustration(job, textOf(text));
    job.end(QCoreApplication::translate("PrintCommands", "Illustration"));
}

void RegisterPrintCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuPSermon"), &PrintSelectedSermon);
    main.setCommand(QStringLiteral("mnuPList"), &PrintCurrentList);
    main.setCommand(QStringLiteral("mnuPIllustration"), &PrintIllustration);
}
