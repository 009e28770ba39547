#pragma once

#include <QString>
#include <QStringList>

// The 66 books of the usual canon by their canonical number (1 Genesis ... 66 Revelation):
// their English names as the delivered library stores them, their Spanish names, and the
// abbreviations readers of either language write. The library's stored names stay as they
// are; a Spanish interface shows the Spanish name of the book a stored name stands for.
class BibleBookNames
{
public:
    static constexpr int BookCount = 66;
    static constexpr int FirstNewTestamentBook = 40;

    // A name as references are compared: small letters without accents, dots or blanks
    // ("Génesis" and "genesis", "1 Co." and "1co").
    static QString key(const QString &text);
    // The canonical number of a stored name (compared by key), or 0 for a book outside the
    // usual canon.
    static int canonicalOf(const QString &storedName);
    static QString englishName(int canonical);
    static QString spanishName(int canonical);
    // The abbreviations of both languages, as keys; those two books could claim are left out.
    static QStringList abbreviations(int canonical);

    // The name the interface shows for a book stored as `storedName`: with the Spanish
    // interface the Spanish name of a book of the canon, else the stored name itself.
    static QString shown(const QString &storedName);
};
