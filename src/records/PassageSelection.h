#pragma once

#include "BiblePassage.h"

#include <QList>

// The passages a passage search of ProgramSelection() asks for: the range of the sermon
// glngPassageSermonID ("Sermons on This Passage") when it is above 0, otherwise the reference
// gstrPassage read with the library's book names. Nothing when neither can be read; an
// engine failure has then been shown.
namespace PassageSelection {
QList<BiblePassage> chosenPassages();
}
