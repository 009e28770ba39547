#include "SermonMenuState.h"

#include "frmMain.h"

#include <QAction>
#include <QToolButton>

namespace {

void setItem(frmMain *main, const char *name, bool visible)
{
    if (QAction *item = main->action(QLatin1String(name))) {
        item->setVisible(visible);
    }
}

void enableItem(frmMain *main, const char *name, bool enabled)
{
    if (QAction *item = main->action(QLatin1String(name))) {
        item->setEnabled(enabled);
    }
}

} // namespace

void SermonMenuState::setToolButtonVisible(const char *name, bool visible)
{
    if (frmMain *main = frmMain::instance()) {
        if (QToolButton *button = main->toolButton(QLatin1String(name))) {
            button->setVisible(visible);
        }
    }
}

bool SermonMenuState::toolButtonHidden(const char *name)
{
    frmMain *main = frmMain::instance();
    const QToolButton *button = main ? main->toolButton(QLatin1String(name)) : nullptr;
    return button && button->isHidden();
}

void SermonMenuState::screenOpened()
{
    frmMain *main = frmMain::instance();
    if (!main) {
        return;
    }
    setItem(main, "mnuPrint", true);
    enableItem(main, "mnuPSermon", true);
    enableItem(main, "mnuPPulpit", true);
    enableItem(main, "mnuPList", true);
    setItem(main, "mnuSearch", false);
    setItem(main, "mnuCheck", false);
    setItem(main, "mnuESermon", false);
    setToolButtonVisible("grpSearch", false);
    setToolButtonVisible("grpCheck", false);
    setToolButtonVisible("grpGlobe", false);
    setToolButtonVisible("grpNotes", true);
}

void SermonMenuState::screenClosed()
{
    frmMain *main = frmMain::instance();
    if (!main) {
        return;
    }
    enableItem(main, "mnuPSermon", false);
    enableItem(main, "mnuPPulpit", false);
    enableItem(main, "mnuPList", false);
    // The illustration screen prints through the same menu: it stays while that one uses it.
    const QAction *illustration = main->action(QStringLiteral("mnuPIllustration"));
    if (!illustration || !illustration->isEnabled()) {
        setItem(main, "mnuPrint", false);
    }
    setItem(main, "mnuSearch", true);
    setItem(main, "mnuCheck", true);
    setItem(main, "mnuESermon", true);
    setToolButtonVisible("grpSearch", true);
    setToolButtonVisible("grpCheck", true);
    setToolButtonVisible("grpGlobe", true);
    setToolButtonVisible("grpNewSermon", true);
    setToolButtonVisible("grpNotes", false);
}
