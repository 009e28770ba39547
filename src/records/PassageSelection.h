#pragma once

#include "BiblePassage.h"
#include "SermonQuery.h"

#include <QList>

// The passages a passage query asks for: the range of the sermon passageOfSermon ("Sermons on
// This Passage") when it is above 0, otherwise the reference typed, read with the library's
// book names. Nothing when neither can be read; an
// engine failure has then been shown.
namespace PassageSelection {
QList<BiblePassage> chosenPassages(const SermonQuery &query);
}
