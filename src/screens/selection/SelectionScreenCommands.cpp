#include "SelectionCommands.h"

#include "frmFindText.h"
#include "frmMain.h"
#include "frmPassage.h"
#include "frmSelect.h"

void RegisterSelectionScreenCommands(frmMain &main)
{
    using Criterion = frmSelect::Criterion;
    main.setCommand(QStringLiteral("mnuCBible"), [] { frmSelect::open(Criterion::BibleBook); });
    main.setCommand(QStringLiteral("mnuCPreacher"), [] { frmSelect::open(Criterion::Preacher); });
    main.setCommand(QStringLiteral("mnuCSeries"), [] { frmSelect::open(Criterion::Series); });
    main.setCommand(QStringLiteral("mnuCTopic"), [] { frmSelect::open(Criterion::Topic); });
    main.setCommand(
        QStringLiteral("mnuCCombination"), [] { frmSelect::open(Criterion::Combination); });
    main.setCommand(QStringLiteral("mnuCPassage"), [] { frmPassage::load(); });

    using Field = frmFindText::Field;
    main.setCommand(QStringLiteral("mnuSOutline"), [] { frmFindText::open(Field::Outline); });
    main.setCommand(QStringLiteral("mnuSBigIdea"), [] { frmFindText::open(Field::BigIdea); });
    main.setCommand(QStringLiteral("mnuSTitle"), [] { frmFindText::open(Field::Title); });
    main.setCommand(QStringLiteral("mnuSAll"), [] { frmFindText::open(Field::All); });
}
