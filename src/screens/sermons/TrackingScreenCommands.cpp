#include "SermonCommands.h"

#include "SqlLiterals.h"
#include "TrackingWorkArea.h"
#include "clsSermon.h"
#include "frmAssignTopics.h"
#include "frmDateLoc.h"
#include "frmMain.h"
#include "frmSermon.h"

namespace {

// What the assignment screens of a sermon show beside its key: one blank and the sermon
// list's fourth cell (the big idea, or the title when there is none).
QString sermonTitle(qint32 sermonID)
{
    clsSermon sermon;
    sermon.setSermonID(sermonID);
    if (!sermon.Find()) {
        return QStringLiteral(" ");
    }
    return QLatin1Char(' ') + clsSermon::BigIdeaOrTitle(sermon.BigIdea(), sermon.Title());
}

// The sermon chosen in the sermon screen's list; 0 without one.
qint32 currentSermon()
{
    const frmSermon *screen = frmSermon::instance();
    return screen ? screen->currentSermonID() : 0;
}

// An assignment screen for `ownerKey`; one already open for another owner reads its lists
// for this one, so that a link is never written for an owner the screen does not show.
void openAssignment(frmMain &main, frmAssignTopics::Kind kind, const QString &screenName,
    qint32 ownerKey, const QString &title)
{
    if (ownerKey <= 0) {
        return;
    }
    if (auto *open = qobject_cast<frmAssignTopics *>(FindOpenScreen(screenName))) {
        if (open->ownerKey() != ownerKey) {
            open->openFor(ownerKey, title);
        }
        ActivateOpenScreen(open);
        return;
    }
    frmAssignTopics *screen = nullptr;
    switch (kind) {
    case frmAssignTopics::Kind::SermonTopics:
        screen = frmSermonTopics(ownerKey, title);
        break;
    case frmAssignTopics::Kind::SermonIllustrations:
        screen = frmSermIllu(ownerKey, title);
        break;
    case frmAssignTopics::Kind::IllustrationTopics:
        screen = frmIllustrTopic(ownerKey, title);
        break;
    }
    main.openScreen(screen);
    screen->placeWindow();
}

} // namespace

// A tracker open for another sermon is closed first (asking about its unsaved changes); when
// the user keeps it, it stays in front.
void OpenSermonTracker(frmMain &main, qint32 sermonID)
{
    if (sermonID <= 0) {
        return;
    }
    if (auto *open = qobject_cast<frmDateLoc *>(FindOpenScreen(QStringLiteral("frmDateLoc")))) {
        if (open->sermonID() == sermonID || !open->closeScreen()) {
            ActivateOpenScreen(open);
            return;
        }
    }
    auto *screen = new frmDateLoc(sermonID);
    main.openScreen(screen);
    screen->placeWindow();
}

void OpenSermonAssignment(frmMain &main, const QString &screenName, qint32 sermonID)
{
    if (sermonID <= 0) {
        return;
    }
    const auto kind = screenName == QLatin1String("frmSermIllu")
        ? frmAssignTopics::Kind::SermonIllustrations
        : frmAssignTopics::Kind::SermonTopics;
    openAssignment(main, kind, screenName, sermonID, sermonTitle(sermonID));
}

namespace {

// The illustration screen hands over the illustration it shows: the key in its key label and
// the name followed by one blank. A new illustration not yet saved has no key and no topics.
void openIllustrationTopics(frmMain &main)
{
    const QString illustrationScreen = QStringLiteral("frmIllustr");
    const qint32 illustrationID
        = NullToLong(OpenScreenFieldText(illustrationScreen, QStringLiteral("lblIllustrationID")));
    const QString name
        = OpenScreenFieldText(illustrationScreen, QStringLiteral("txtName")) + QLatin1Char(' ');
    openAssignment(main, frmAssignTopics::Kind::IllustrationTopics,
        QStringLiteral("frmIllustrTopic"), illustrationID, name);
}

} // namespace

void RegisterTrackingScreenCommands(frmMain &main)
{
    frmMain *window = &main;
    main.setCommand(
        QStringLiteral("frmDateLoc"), [window] { OpenSermonTracker(*window, currentSermon()); });
    for (const char *name : { "frmSermonTopics", "frmSermIllu" }) {
        const QString screenName = QLatin1String(name);
        main.setCommand(screenName,
            [window, screenName] { OpenSermonAssignment(*window, screenName, currentSermon()); });
    }
    main.setCommand(
        QStringLiteral("frmIllustrTopic"), [window] { openIllustrationTopics(*window); });
}
