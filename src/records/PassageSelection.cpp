#include "PassageSelection.h"

#include "PassageParser.h"
#include "clsSermon.h"

QList<BiblePassage> PassageSelection::chosenPassages(const SermonQuery &query)
{
    if (query.passageOfSermon > 0) {
        clsSermon sermon;
        sermon.setSermonID(query.passageOfSermon);
        if (!sermon.Find()) {
            return {};
        }
        const BiblePassage own = BiblePassage::fromSermonColumns(sermon.BibleBookID(),
            sermon.BeginChapter(), sermon.BeginVerse(), sermon.EndChapter(), sermon.EndVerse());
        return own.isValid() ? QList<BiblePassage> { own } : QList<BiblePassage> {};
    }
    return PassageParser::forLibrary().parse(query.passage).passages;
}
