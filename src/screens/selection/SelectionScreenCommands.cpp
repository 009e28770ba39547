#include "SelectionCommands.h"

#include "SelectionState.h"
#include "frmFindText.h"
#include "frmMain.h"
#include "frmPassage.h"
#include "frmSelect.h"

namespace {

// Each command sets its flags before the screen loads: the screen reads them at load.
void checklist(frmSelect::Criterion criterion)
{
    SelectionState &selection = ProgramSelection();
    switch (criterion) {
    case frmSelect::Criterion::BibleBook:
        selection.gboolByBibleBook = 1;
        break;
    case frmSelect::Criterion::Preacher:
        selection.gboolByPreacher = 1;
        break;
    case frmSelect::Criterion::Series:
        selection.gboolBySeries = 1;
        break;
    case frmSelect::Criterion::Topic:
        selection.gboolByTopic = 1;
        break;
    case frmSelect::Criterion::Combination:
        selection.gboolByBibleBook = 1;
        selection.gboolByPreacher = 1;
        selection.gboolBySeries = 1;
        selection.gboolByTopic = 1;
        selection.gboolCombination = 1;
        break;
    }
    frmSelect::open(criterion);
}

void textSearch(frmFindText::Field field)
{
    SelectionState &selection = ProgramSelection();
    selection.gboolTextSearch = 1;
    selection.gboolSearchOutline = field == frmFindText::Field::Outline ? 1 : 0;
    selection.gboolSearchBigIdea = field == frmFindText::Field::BigIdea ? 1 : 0;
    selection.gboolSearchTitle = field == frmFindText::Field::Title ? 1 : 0;
    if (field == frmFindText::Field::All) {
        selection.gboolSearchOutline = 1;
        selection.gboolSearchBigIdea = 1;
        selection.gboolSearchTitle = 1;
        selection.gboolCombination = 1;
    }
    frmFindText::open(field);
}

} // namespace

void RegisterSelectionScreenCommands(frmMain &main)
{
    using Criterion = frmSelect::Criterion;
    main.setCommand(QStringLiteral("mnuCBible"), [] { checklist(Criterion::BibleBook); });
    main.setCommand(QStringLiteral("mnuCPreacher"), [] { checklist(Criterion::Preacher); });
    main.setCommand(QStringLiteral("mnuCSeries"), [] { checklist(Criterion::Series); });
    main.setCommand(QStringLiteral("mnuCTopic"), [] { checklist(Criterion::Topic); });
    main.setCommand(QStringLiteral("mnuCCombination"), [] { checklist(Criterion::Combination); });
    main.setCommand(QStringLiteral("mnuCPassage"), [] { frmPassage::load(); });

    using Field = frmFindText::Field;
    main.setCommand(QStringLiteral("mnuSOutline"), [] { textSearch(Field::Outline); });
    main.setCommand(QStringLiteral("mnuSBigIdea"), [] { textSearch(Field::BigIdea); });
    main.setCommand(QStringLiteral("mnuSTitle"), [] { textSearch(Field::Title); });
    main.setCommand(QStringLiteral("mnuSAll"), [] { textSearch(Field::All); });
}
