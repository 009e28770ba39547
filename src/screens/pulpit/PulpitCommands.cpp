#include "PulpitCommands.h"

#include "OutlineLevels.h"
#include "PassageOnPaper.h"
#include "PrintJob.h"
#include "PulpitSettings.h"
#include "ScriptureSettings.h"
#include "ScriptureText.h"
#include "UserInterface.h"
#include "clsConfig.h"
#include "frmMain.h"
#include "frmSermon.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>

namespace {

QWidget *openScreen(const char *name)
{
    const frmMain *main = frmMain::instance();
    return main ? main->workArea()->findChild<QWidget *>(QLatin1String(name)) : nullptr;
}

QPlainTextEdit *notesOutline()
{
    QWidget *notes = openScreen("frmNotes");
    return notes ? notes->findChild<QPlainTextEdit *>(QStringLiteral("txtOutline")) : nullptr;
}

QString fieldText(QWidget *screen, const char *name)
{
    const auto *field = screen ? screen->findChild<QLineEdit *>(QLatin1String(name)) : nullptr;
    return field ? field->text().trimmed() : QString();
}

// The notes window's first line in sight: the preaching view starts there.
int firstLineInSight(const QPlainTextEdit *box)
{
    return box->cursorForPosition(QPoint(1, 1)).blockNumber();
}

// Back from the pulpit: the notes window shows, at its top, the line the view showed.
void showLineInNotes(int line)
{
    QPlainTextEdit *box = notesOutline();
    if (!box) {
        return;
    }
    const QTextBlock block = box->document()->findBlockByNumber(line);
    if (!block.isValid()) {
        return;
    }
    QTextCursor cursor(block);
    box->setTextCursor(cursor);
    // Without wrapping, the plain text box scrolls by whole lines.
    box->verticalScrollBar()->setValue(block.firstLineNumber());
    box->setFocus();
}

void preach()
{
    OpenPreachingView(CurrentPreachingContent());
}

void printPulpitCopy()
{
    const PreachingView::Content content = PulpitCopyContent();
    if (content.outline.trimmed().isEmpty()) {
        MsgBox(QCoreApplication::translate("PulpitCommands",
            "There is no outline to print: open a sermon with an outline first."));
        return;
    }
    clsConfig config;
    const PulpitSettings settings = PulpitSettings::read(config);
    // The size is asked each time (it starts at the last size chosen); the dialog does not
    // block the program, so the print runs when it is accepted.
    auto *ask = new QInputDialog(frmMain::instance());
    ask->setObjectName(QStringLiteral("dlgPulpitSize"));
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowTitle(QCoreApplication::translate("PulpitCommands", "Pulpit Copy"));
    ask->setLabelText(QCoreApplication::translate("PulpitCommands", "Type size in points:"));
    ask->setInputMode(QInputDialog::IntInput);
    ask->setIntRange(12, 48);
    ask->setIntValue(settings.printPoints);
    QObject::connect(ask, &QInputDialog::intValueSelected, [content](int points) {
        clsConfig store;
        PulpitSettings::write(store, "PrintPoints", QString::number(points));
        PrintJob job;
        ComposePulpitCopy(job, content, points);
        job.end(content.title.isEmpty()
                ? QCoreApplication::translate("PulpitCommands", "Pulpit Copy")
                : QCoreApplication::translate("PulpitCommands", "Pulpit Copy %1")
                      .arg(content.title));
    });
    ask->open();
}

} // namespace

PreachingView::Content CurrentPreachingContent()
{
    PreachingView::Content content;
    QWidget *sermon = openScreen("frmSermon");
    content.title = fieldText(sermon, "txtTitle");
    content.passage = fieldText(sermon, "txtReference");
    if (const QPlainTextEdit *box = notesOutline()) {
        content.outline = box->toPlainText();
        content.startLine = firstLineInSight(box);
    } else if (sermon) {
        // The sermon screen's outline as the next save would store it.
        content.outline = frmSermon::instance() ? frmSermon::instance()->outlineText() : QString();
    }
    if (frmSermon *screen = frmSermon::instance()) {
        const BiblePassage passage = screen->shownPassage();
        if (passage.isValid()) {
            // Read now, in the chosen version: the view shows it at a key, without a wait.
            content.scripture = ScriptureText::plain(
                PassageOnPaper::read(passage), ScriptureSettings::read().versePerLine);
        }
    }
    return content;
}

PreachingView::Content PulpitCopyContent()
{
    PreachingView::Content content = CurrentPreachingContent();
    // The passage goes on paper only when the user asked for it ("Passage in print and
    // export"), as with the printed outline.
    content.scripture.clear();
    if (const frmSermon *sermon = frmSermon::instance()) {
        content.scripture = PassageOnPaper::forPrint(sermon->shownPassage());
    }
    return content;
}

PreachingView *OpenPreachingView(const PreachingView::Content &content)
{
    if (content.outline.trimmed().isEmpty() && content.title.isEmpty()) {
        MsgBox(QCoreApplication::translate(
            "PulpitCommands", "There is no outline to preach from: open a sermon first."));
        return nullptr;
    }
    auto *view = new PreachingView(content);
    QObject::connect(view, &PreachingView::leaving, &showLineInNotes);
    clsConfig config;
    view->showOn(PreachingView::chooseScreen(PulpitSettings::read(config).screen,
        frmMain::instance() ? frmMain::instance()->window() : nullptr));
    return view;
}

void ComposePulpitCopy(PrintJob &job, const PreachingView::Content &content, int pointSize)
{
    PrintJob::PageFrame frame;
    frame.marginInches = 1.25;
    frame.pageNumbers = true;
    frame.heading = content.title;
    if (!content.passage.isEmpty()) {
        frame.heading
            += (frame.heading.isEmpty() ? QString() : QStringLiteral(" \u2013 ")) + content.passage;
    }
    job.setPageFrame(frame);
    job.setFontSize(pointSize);
    if (!content.scripture.isEmpty()) {
        job.print(content.scripture + PrintJob::lineBreak() + PrintJob::lineBreak());
    }
    const QString indent(4, QChar::Nbsp);
    for (const OutlineLine &line : OutlineLevels::parse(content.outline)) {
        if (line.sectionStart) {
            job.print(PrintJob::lineBreak());
        }
        QString text = indent.repeated(qMax(0, line.level) + (line.continuation ? 1 : 0));
        if (!line.marker.isEmpty()) {
            text += line.marker + QLatin1Char(' ');
        }
        job.print(text + line.body + PrintJob::lineBreak());
    }
}

void RegisterPulpitCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuEPreach"), &preach);
    main.setCommand(QStringLiteral("mnuPPulpit"), &printPulpitCopy);
}
