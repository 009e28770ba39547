#pragma once

#include "BiblePassage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Reads references as people type them: "John 3", "Jn 3:16", "John 3:16-21",
// "John 3:16–4:2", "1 Cor 13", "1Co 13:4-7", "I Corinthians 13", "Ps 23", "Psalm 119:105",
// "Romans" (the whole book), "Gen 1-3", and several of them separated by ";" or ",".
// Spanish references read the same way, whatever the interface's language: "Juan 3.16",
// "1 Co 13", "Primera de Corintios 13", "Apocalipsis 22:1-5", with or without accents.
//
// A book is named by its name in the library (tblBibleBooks), a common abbreviation of it,
// or the start of its name when no other book starts the same way; case, dots and blanks do
// not count, and a leading I, II or III (or First, Second, Third) is read as 1, 2 or 3.
// A passage carries the book's name as the interface shows it (BibleBookNames::shown).
// After ";" a part without a book names chapters of the book before; after "," it names
// verses of the chapter before when that part ended with a verse ("Rom 5:1-5, 8").
class PassageParser
{
    Q_DECLARE_TR_FUNCTIONS(PassageParser)

public:
    struct Book
    {
        qint32 bookID = 0;
        QString name;
    };

    struct Result
    {
        QList<BiblePassage> passages;
        // Empty when the whole text was read; otherwise what is wrong, naming the part:
        // "'Jo' could be John, Job, Joel, Jonah or Joshua".
        QString message;
        bool ok() const { return message.isEmpty() && !passages.isEmpty(); }
    };

    explicit PassageParser(const QList<Book> &books);
    // The books of the open library, in key order; an engine failure has been shown and
    // leaves the list empty.
    static QList<Book> libraryBooks();
    // A parser of the open library's books, made once for each reading of them.
    static PassageParser forLibrary();

    Result parse(const QString &text) const;

private:
    struct Candidate
    {
        qint32 bookID;
        QString name; // as the interface shows it
        QString key; // the stored name without case, accents, dots and blanks
        QString spanishKey; // the Spanish name's, for a book of the usual canon
        int canonical; // 1..66 for a book of the usual canon, else 0
    };
    // Finds the book; on failure `message` says why.
    const Candidate *findBook(const QString &typed, QString *message) const;

    QList<Candidate> m_books;
};
