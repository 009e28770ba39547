#include "ConfigCommands.h"

#include "LanguageChoice.h"
#include "PrintCommands.h"
#include "ScreenPlacement.h"
#include "frmChange.h"
#include "frmLocation.h"
#include "frmMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void RegisterConfigScreenCommands(frmMain &main)
{
    // File > Change Database (the main window runs it only while no screen is open).
    main.setCommand(QStringLiteral("mnuFChange"), [&main] {
        auto *screen = new frmChange(&main);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        // Modal over the main window without blocking the caller.
        screen->open();
    });
    // Defaults > Set Location: one screen at a time; asking again brings it to the front.
    main.setCommand(QStringLiteral("mnuDLocation"), [&main] {
        const QList<QMdiSubWindow *> frames = main.workArea()->subWindowList();
        for (QMdiSubWindow *frame : frames) {
            if (frame->widget() && frame->widget()->objectName() == QLatin1String("frmLocation")) {
                main.workArea()->setActiveSubWindow(frame);
                return;
            }
        }
        auto *screen = new frmLocation;
        main.openScreen(screen);
        CenterForm(screen);
    });
    main.setCommand(QStringLiteral("mnuDLanguage"), [&main] { LanguageChoice::open(&main); });
    RegisterPrintCommands(main);
}
