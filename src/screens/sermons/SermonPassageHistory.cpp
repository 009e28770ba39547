#include "SermonPassageHistory.h"

#include "PreachingHistory.h"
#include "ReferenceText.h"
#include "ScreenEvents.h"
#include "ScreenOperations.h"
#include "SermonQuery.h"
#include "SermonScreenWidgets.h"
#include "UserInterface.h"
#include "frmSermon.h"

#include <QLabel>
#include <QPushButton>

void SermonPassageHistory::attach(frmSermon *screen, const SermonScreenWidgets &widgets)
{
    QObject::connect(widgets.cmdSamePassage, &QPushButton::clicked, screen,
        [screen] { listSamePassage(screen); });
    auto refresh = [&widgets] { showHistory(widgets); };
    QObject::connect(&ScreenEvents::instance(), &ScreenEvents::sermonsChanged, screen, refresh);
    QObject::connect(&ScreenEvents::instance(), &ScreenEvents::occasionsChanged, screen, refresh);
}

void SermonPassageHistory::showHistory(const SermonScreenWidgets &widgets)
{
    const qint32 key = ReferenceNumber(widgets.lblSermonID->text());
    QList<PreachingHistory::Occasion> occasions;
    DbError error;
    if (key > 0 && !PreachingHistory::read({ key }, occasions, error)) {
        ShowSystemError(error);
    }
    widgets.lblHistory->setText(PreachingHistory::line(occasions));
}

void SermonPassageHistory::listSamePassage(frmSermon *screen)
{
    const qint32 key = screen->shownSermonID();
    if (key <= 0) {
        return;
    }
    if (screen->isEditing()) {
        const MsgBoxAnswer answer = AskSaveChanges(screen);
        if (answer == MsgBoxAnswer::Cancel
            || (answer == MsgBoxAnswer::Yes && !(screen->FormCheck() && screen->FormSave()))) {
            return;
        }
        // No: the edits go; the list fill shows another sermon.
        screen->ResetButtons();
    }
    screen->LoadSermonList(SermonQuery::onPassageOf(key));
}
