#include "SermonCommands.h"

#include "NotesEditorAids.h"
#include "PassageOnPaper.h"
#include "PrintCommands.h"
#include "SharedOutline.h"
#include "frmMain.h"
#include "frmNotes.h"
#include "frmSermon.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <optional>

namespace {

// "frmSermon": opens the sermon screen, whose load lists what the query finds (nothing
// without one); an open one comes to the front and, when a query is handed over (Edit >
// Sermon, a Sermons button, a checklist), asks about unsaved edits as closing would, then
// fills its list again.
frmSermon *openSermonScreen(frmMain &main, const std::optional<SermonQuery> &query = {})
{
    frmSermon *screen = frmSermon::instance();
    if (!screen) {
        screen = new frmSermon;
        main.openScreen(screen);
        screen->Form_Load(query.value_or(SermonQuery()));
        return screen;
    }
    if (QMdiSubWindow *frame = screen->subWindow()) {
        if (frame->isMinimized()) {
            frame->showNormal();
        }
        main.workArea()->setActiveSubWindow(frame);
    }
    // Kept edits keep the list; the query is not kept for a later one either.
    if (query && screen->askSaveChanges()) {
        screen->reloadForSelection(*query);
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
    SharedOutline().text.clear();
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
    SharedOutline().text = notes->outline();
    if (frmSermon *screen = frmSermon::instance(); screen && screen->FormCheck()) {
        screen->FormSave();
    }
    notes->closeWindow();
}

} // namespace

void RegisterSermonScreenCommands(frmMain &main)
{
    frmMain *window = &main;
    // Edit > Sermon and the globe list every sermon.
    main.setCommand(QStringLiteral("mnuESermon"),
        [window] { openSermonScreen(*window, SermonQuery::everything()); });
    main.setCommand(QStringLiteral("frmSermon"), [window] { openSermonScreen(*window); });
    main.setSermonListCommand(
        [window](const SermonQuery &query) { openSermonScreen(*window, query); });
    main.setCommand(QStringLiteral("grpNewSermon"), [window] { addNewSermon(*window); });
    main.setCommand(QStringLiteral("grpNotes"), showNotes);
    main.setCommand(QStringLiteral("grpSaveNotes"), saveNotes);
    main.setCommand(QStringLiteral("OfferRecoveredOutlines"), &OfferRecoveredOutlines);
    // The passage before a printed or exported outline is the sermon's as the screen shows
    // it, whether the notes window (where the choice is made) is open or not.
    SetOutlinePassageSource([] {
        const frmSermon *screen = frmSermon::instance();
        return screen ? PassageOnPaper::forPrint(screen->shownPassage()) : QString();
    });
    for (const char *item :
        { "mnuDFontArial", "mnuDFontArialB", "mnuDFontCent", "mnuDFontCour", "mnuDFontSerif",
            "mnuDFontTimes", "mnuDFont8", "mnuDFont10", "mnuDFont12", "mnuDFont14" }) {
        main.setCommand(QLatin1String(item), &frmNotes::outlineFontCommand);
    }
    RegisterOutlineAidCommands(main);
}
