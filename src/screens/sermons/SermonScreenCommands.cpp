#include "SermonCommands.h"

#include "NotesEditorAids.h"

#include "SelectionState.h"
#include "frmMain.h"
#include "frmNotes.h"
#include "frmSermon.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace {

// A selection is waiting for a list fill.
bool selectionWaiting()
{
    const SelectionState &selection = ProgramSelection();
    return selection.gboolShowAll == 1 || selection.gboolByBibleBook == 1
        || selection.gboolByPreacher == 1 || selection.gboolBySeries == 1
        || selection.gboolByTopic == 1 || selection.gboolTextSearch == 1;
}

// "frmSermon" (and Edit > Sermon): opens the sermon screen, whose load fills the list from
// the current selection; an open one comes to the front and, when a selection is waiting
// (a Sermons button, a checklist), asks about unsaved edits as closing would, then fills
// its list again.
frmSermon *openSermonScreen(frmMain &main)
{
    frmSermon *screen = frmSermon::instance();
    if (!screen) {
        screen = new frmSermon;
        main.openScreen(screen);
        screen->Form_Load();
        return screen;
    }
    if (QMdiSubWindow *frame = screen->subWindow()) {
        if (frame->isMinimized()) {
            frame->showNormal();
        }
        main.workArea()->setActiveSubWindow(frame);
    }
    if (selectionWaiting()) {
        if (screen->askSaveChanges()) {
            screen->reloadForSelection();
        } else {
            // Kept edits keep the list; the selection is not kept for a later one either:
            // every selection serves one list.
            screen->InitializeGlobals();
        }
    }
    return screen;
}

// "Add New Sermon": the main window has hidden the button, which tells the screen's load to
// start with an empty list and a new sermon.
void addNewSermon(frmMain &main)
{
    const bool wasOpen = frmSermon::instance() != nullptr;
    frmSermon *screen = openSermonScreen(main);
    if (wasOpen) {
        screen->cmdNew_Click();
    }
    ProgramSelection().gstrOutline.clear();
    screen->enterNewSermon();
}

void showNotes()
{
    if (frmSermon *screen = frmSermon::instance()) {
        screen->showNotes(true);
    } else {
        frmNotes::load()->showWindow(true, true);
    }
}

// "Save Sermon Notes": the outline as it stands is saved with the sermon's fields (when
// they pass the check), and the notes window closes either way, its text kept.
void saveNotes()
{
    frmNotes *notes = frmNotes::instance();
    if (!notes) {
        return;
    }
    ProgramSelection().gstrOutline = notes->outline();
    if (frmSermon *screen = frmSermon::instance(); screen && screen->FormCheck()) {
        screen->FormSave();
    }
    notes->closeWindow();
}

} // namespace

void RegisterSermonScreenCommands(frmMain &main)
{
    frmMain *window = &main;
    const auto open = [window] { openSermonScreen(*window); };
    main.setCommand(QStringLiteral("mnuESermon"), open);
    main.setCommand(QStringLiteral("frmSermon"), open);
    main.setCommand(QStringLiteral("grpNewSermon"), [window] { addNewSermon(*window); });
    main.setCommand(QStringLiteral("grpNotes"), showNotes);
    main.setCommand(QStringLiteral("grpSaveNotes"), saveNotes);
    main.setCommand(QStringLiteral("OfferRecoveredOutlines"), &OfferRecoveredOutlines);
    for (const char *item :
        { "mnuDFontArial", "mnuDFontArialB", "mnuDFontCent", "mnuDFontCour", "mnuDFontSerif",
            "mnuDFontTimes", "mnuDFont8", "mnuDFont10", "mnuDFont12", "mnuDFont14" }) {
        main.setCommand(QLatin1String(item), &frmNotes::outlineFontCommand);
    }
    RegisterOutlineAidCommands(main);
}
