#include "ScriptureCommands.h"

#include "frmBibleVersion.h"
#include "frmMain.h"

void RegisterScriptureScreenCommands(frmMain &main)
{
    main.setCommand(QStringLiteral("mnuDBible"), [&main] { frmBibleVersion::load(&main); });
}
