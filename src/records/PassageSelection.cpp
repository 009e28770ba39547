#include "PassageSelection.h"

#include "PassageParser.h"
#include "SelectionState.h"
#include "clsSermon.h"

QList<BiblePassage> PassageSelection::chosenPassages()
{
    const SelectionState &selection = ProgramSelection();
    if (selection.glngPassageSermonID > 0) {
        clsSermon sermon;
        sermon.setSermonID(selection.glngPassageSermonID);
        if (!sermon.Find()) {
            return {};
        }
        const BiblePassage own = BiblePassage::fromSermonColumns(sermon.BibleBookID(),
            sermon.BeginChapter(), sermon.BeginVerse(), sermon.EndChapter(), sermon.EndVerse());
        return own.isValid() ? QList<BiblePassage> { own } : QList<BiblePassage> {};
    }
    return PassageParser(PassageParser::libraryBooks()).parse(selection.gstrPassage).passages;
}
