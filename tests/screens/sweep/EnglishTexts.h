#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Finds the texts of a window that are still in English under another interface language:
// a visible text (a caption, label, button, heading, tab, menu item, placeholder or window
// title) holding a word of the program's English vocabulary. Words that are the same in
// Spanish, the product's name and the library's own data (names, titles, places) are allowed.
namespace EnglishTexts {

// The English texts of `window` and its visible children, each once.
QStringList of(QWidget *window);
// Whether one text reads as English.
bool isEnglish(const QString &text);
// The library's own texts (names, titles, places), taken out of a text before it is judged:
// the quoted values of the rows that make the library, one SQL file of inserts.
bool allowLibraryTexts(const QString &rowsFile);

} // namespace EnglishTexts
