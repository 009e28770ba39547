#include "PassageParser.h"

#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "clsBibleBook.h"
#include "clsConnect.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The usual canon in its order, each name with the abbreviations readers use (already
// without case, dots and blanks). An abbreviation that two books could claim ("Jud") is left
// out, so that it falls to the prefix rule and is reported as ambiguous.
struct StandardBook
{
    const char *name;
    const char *abbreviations;
};

constexpr StandardBook Canon[] = {
    { "Genesis", "gen ge gn" },
    { "Exodus", "ex exo exod" },
    { "Leviticus", "lev le lv" },
    { "Numbers", "num nu nm nb" },
    { "Deuteronomy", "deut de dt" },
    { "Joshua", "josh jos jsh" },
    { "Judges", "judg jdg jg jdgs" },
    { "Ruth", "rth ru" },
    { "1 Samuel", "1sam 1sa 1sm" },
    { "2 Samuel", "2sam 2sa 2sm" },
    { "1 Kings", "1kgs 1ki 1kg" },
    { "2 Kings", "2kgs 2ki 2kg" },
    { "1 Chronicles", "1chron 1chr 1ch" },
    { "2 Chronicles", "2chron 2chr 2ch" },
    { "Ezra", "ezr" },
    { "Nehemiah", "neh ne" },
    { "Esther", "esth es" },
    { "Job", "jb" },
    { "Psalms", "ps psalm pss psa psm" },
    { "Proverbs", "prov pr prv pro" },
    { "Ecclesiastes", "eccl ecc ec qoh" },
    { "Song of Solomon", "song sos songofsongs canticles cant ss" },
    { "Isaiah", "isa is" },
    { "Jeremiah", "jer je jr" },
    { "Lamentations", "lam la" },
    { "Ezekiel", "ezek eze ezk" },
    { "Daniel", "dan da dn" },
    { "Hosea", "hos ho" },
    { "Joel", "jl" },
    { "Amos", "am" },
    { "Obadiah", "obad ob" },
    { "Jonah", "jon jnh" },
    { "Micah", "mic mc" },
    { "Nahum", "nah na" },
    { "Habakkuk", "hab hb" },
    { "Zephaniah", "zeph zep zp" },
    { "Haggai", "hag hg" },
    { "Zechariah", "zech zec zc" },
    { "Malachi", "mal ml" },
    { "Matthew", "matt mt" },
    { "Mark", "mk mrk mar" },
    { "Luke", "lk luk" },
    { "John", "jn jhn" },
    { "Acts", "ac act" },
    { "Romans", "rom ro rm" },
    { "1 Corinthians", "1cor 1co" },
    { "2 Corinthians", "2cor 2co" },
    { "Galatians", "gal ga" },
    { "Ephesians", "eph ephes" },
    { "Philippians", "phil php pp" },
    { "Colossians", "col" },
    { "1 Thessalonians", "1thess 1thes 1th" },
    { "2 Thessalonians", "2thess 2thes 2th" },
    { "1 Timothy", "1tim 1ti" },
    { "2 Timothy", "2tim 2ti" },
    { "Titus", "tit" },
    { "Philemon", "philem phm pm" },
    { "Hebrews", "heb" },
    { "James", "jas jm" },
    { "1 Peter", "1pet 1pe 1pt" },
    { "2 Peter", "2pet 2pe 2pt" },
    { "1 John", "1jn 1jhn 1jo" },
    { "2 John", "2jn 2jhn 2jo" },
    { "3 John", "3jn 3jhn 3jo" },
    { "Jude", "jd" },
    { "Revelation", "rev re rv revelations apocalypse" },
};
constexpr int FirstNewTestamentBook = 40;

// A name as the parser compares it: small letters, no dots, no blanks.
QString bookKey(const QString &text)
{
    QString key;
    for (const QChar c : text) {
        if (c != QLatin1Char('.') && !c.isSpace()) {
            key += c.toCaseFolded();
        }
    }
    return key;
}

// "I Corinthians", "II Kings", "First John": the number written out.
QString numberedBook(const QString &typed)
{
    static const QRegularExpression ordinal(
        QStringLiteral("^(iii|ii|i|first|second|third)[\\s.]+(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ordinal.match(typed);
    if (!match.hasMatch()) {
        return typed;
    }
    const QString word = match.captured(1).toLower();
    const QString digit = word == QLatin1String("i") || word == QLatin1String("first")
        ? QStringLiteral("1")
        : word == QLatin1String("ii") || word == QLatin1String("second") ? QStringLiteral("2")
                                                                         : QStringLiteral("3");
    return digit + QLatin1Char(' ') + match.captured(2);
}

QString quoted(const QString &part)
{
    return QLatin1Char('\'') + part + QLatin1Char('\'');
}

// "A", "A or B", "A, B or C".
QString alternatives(const QStringList &names)
{
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ")
        + names.last();
}

// The chapter and verse numbers after a book: at most three digits each.
struct Numbers
{
    QList<int> values; // as written, in order
    bool chapterVerse = false; // the first number has a verse ("3:16")
    bool endHasVerse = false; // the number after the dash has a verse ("4:2")
    bool hasEnd = false;
};

bool readNumbers(QString text, Numbers &numbers)
{
    for (const QChar dash : { QChar(0x2012), QChar(0x2013), QChar(0x2014), QChar(0x2212) }) {
        text.replace(dash, QLatin1Char('-'));
    }
    text.remove(QLatin1Char(' '));
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{1,3})(?:[:.](\\d{1,3}))?(?:-(\\d{1,3})(?:[:.](\\d{1,3}))?)?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    numbers.chapterVerse = match.hasCaptured(2);
    numbers.hasEnd = match.hasCaptured(3);
    numbers.endHasVerse = match.hasCaptured(4);
    for (int i = 1; i <= 4; ++i) {
        if (match.hasCaptured(i)) {
            numbers.values.append(match.captured(i).toInt());
        }
    }
    return true;
}

// Splits one part of a reference into its book ("1 Cor", or empty when the part continues
// the book before it) and its numbers ("13:4-7"): the book is everything before the first
// digit that is not a book's own number.
void splitBookAndNumbers(const QString &part, QString &bookText, QString &numberText)
{
    qsizetype i = 0;
    while (i < part.size() && i < 1 && part.at(i).isDigit()) {
        ++i;
    }
    qsizetype afterNumber = i;
    while (afterNumber < part.size()
        && (part.at(afterNumber).isSpace() || part.at(afterNumber) == QLatin1Char('.'))) {
        ++afterNumber;
    }
    if (i > 0 && !(afterNumber < part.size() && part.at(afterNumber).isLetter())) {
        i = 0; // "3:16" or "8": numbers only
    }
    while (i < part.size() && !part.at(i).isDigit()) {
        ++i;
    }
    bookText = part.left(i).trimmed();
    numberText = part.mid(i).trimmed();
}

// The range the numbers name. After "," a part of verses only continues the chapter before it
// (versesOfLastChapter).
void placeRange(
    const Numbers &numbers, bool versesOfLastChapter, int lastChapter, BiblePassage &passage)
{
    const QList<int> &n = numbers.values;
    const int end = BiblePassage::ChapterEnd;
    if (versesOfLastChapter) {
        // "8", "8-10", "8-9:2"
        passage.from = { lastChapter, n[0] };
        if (!numbers.hasEnd) {
            passage.to = passage.from;
        } else if (numbers.endHasVerse) {
            passage.to = { n[1], n[2] };
        } else {
            passage.to = { lastChapter, n[1] };
        }
    } else if (numbers.chapterVerse) {
        // "3:16", "3:16-21", "3:16-4:2"
        passage.from = { n[0], n[1] };
        if (!numbers.hasEnd) {
            passage.to = passage.from;
        } else if (numbers.endHasVerse) {
            passage.to = { n[2], n[3] };
        } else {
            passage.to = { n[0], n[2] };
        }
    } else {
        // "3", "1-3", "3-4:2"
        passage.from = { n[0], 0 };
        if (!numbers.hasEnd) {
            passage.to = { n[0], end };
        } else if (numbers.endHasVerse) {
            passage.to = { n[1], n[2] };
        } else {
            passage.to = { n[1], end };
        }
    }
}

// What is wrong with a range as placed, or nothing.
QString rangeProblem(const QString &part, const BiblePassage &passage, const Numbers &numbers,
    bool versesOfLastChapter)
{
    for (const BiblePassage::Place &place : { passage.from, passage.to }) {
        if (place.chapter == 0) {
            return quoted(part) + QStringLiteral(": a chapter cannot be 0");
        }
    }
    if ((passage.from.verse == 0 && (numbers.chapterVerse || versesOfLastChapter))
        || (passage.to.verse == 0
            && (numbers.endHasVerse || versesOfLastChapter || numbers.chapterVerse))) {
        return quoted(part) + QStringLiteral(": a verse cannot be 0");
    }
    if (passage.to < passage.from) {
        return quoted(part) + QStringLiteral(": the end comes before the beginning");
    }
    return QString();
}

} // namespace

PassageParser::PassageParser(const QList<Book> &books)
{
    // The usual canon's names by their keys, worked out once: a parser is made for every
    // passage list, and the keys of 66 names for each of 66 books cost more than the parse.
    static const QHash<QString, int> canonicalByKey = [] {
        QHash<QString, int> keys;
        for (int i = int(std::size(Canon)) - 1; i >= 0; --i) {
            keys.insert(bookKey(QLatin1String(Canon[i].name)), i + 1);
        }
        return keys;
    }();
    m_books.reserve(books.size());
    for (const Book &book : books) {
        const QString key = bookKey(book.name);
        m_books.append({ book.bookID, book.name, key, canonicalByKey.value(key, 0) });
    }
}

QList<PassageParser::Book> PassageParser::libraryBooks()
{
    // The program never writes tblBibleBooks (it comes with the library), so its rows are read
    // once per open library. Each opening gets a connection name of its own, so another
    // library (File > Change Database), or the same one reopened, is read afresh.
    static QString readFrom;
    static QList<Book> read;
    DbError error;
    const DbDatabase *db = ProgramConnection().openDatabase(error);
    const QString connection = db ? db->connectionName() : QString();
    if (!connection.isEmpty() && connection == readFrom) {
        return read;
    }
    QList<Book> books;
    clsBibleBook reader;
    for (bool more = reader.OpenRecordset(); more; more = reader.MoveNext()) {
        books.append({ reader.BibleBookID(), reader.BibleBook() });
    }
    const bool failed = reader.lastError().isSet();
    reader.CloseRecordset();
    // A failed or empty read is not kept: the next parse asks again.
    if (!books.isEmpty() && !failed) {
        readFrom = connection;
        read = books;
    }
    return books;
}

PassageParser PassageParser::forLibrary()
{
    // libraryBooks hands back the list it keeps, shared, for as long as the library stays
    // open: the same list needs no new keys.
    static QList<Book> madeFrom;
    static PassageParser made { {} };
    const QList<Book> books = libraryBooks();
    if (books.isEmpty()) {
        return PassageParser(books);
    }
    if (!books.isSharedWith(madeFrom)) {
        made = PassageParser(books);
        madeFrom = books;
    }
    return made;
}

const PassageParser::Candidate *PassageParser::findBook(
    const QString &typed, QString *message) const
{
    const QString key = bookKey(numberedBook(typed));
    for (const Candidate &book : m_books) {
        if (book.key == key) {
            return &book;
        }
    }
    for (const Candidate &book : m_books) {
        if (book.canonical > 0) {
            const QStringList abbreviations
                = QString::fromLatin1(Canon[book.canonical - 1].abbreviations)
                      .split(QLatin1Char(' '));
            if (abbreviations.contains(key)) {
                return &book;
            }
        }
    }
    QList<const Candidate *> starting;
    for (const Candidate &book : m_books) {
        if (!key.isEmpty() && book.key.startsWith(key)) {
            starting.append(&book);
        }
    }
    if (starting.size() == 1) {
        return starting.first();
    }
    if (starting.isEmpty()) {
        *message = quoted(typed) + QStringLiteral(" is not a book of the Bible");
        return nullptr;
    }
    // The New Testament first (the books most often meant), then the rest, each
    // alphabetically: "'Jo' could be John, Job, Joel, Jonah or Joshua".
    std::sort(starting.begin(), starting.end(), [](const Candidate *a, const Candidate *b) {
        const bool aNew = a->canonical >= FirstNewTestamentBook;
        const bool bNew = b->canonical >= FirstNewTestamentBook;
        if (aNew != bNew) {
            return aNew;
        }
        return QString::compare(a->name, b->name, Qt::CaseInsensitive) < 0;
    });
    QStringList names;
    for (const Candidate *book : starting) {
        names.append(book->name);
    }
    *message = quoted(typed) + QStringLiteral(" could be ") + alternatives(names);
    return nullptr;
}

PassageParser::Result PassageParser::parse(const QString &text) const
{
    Result result;
    if (text.trimmed().isEmpty()) {
        result.message = QStringLiteral("Type a reference, for example John 3:16");
        return result;
    }
    const Candidate *book = nullptr;
    int lastChapter = 0;
    bool lastEndedWithVerse = false;
    QChar separator = QLatin1Char(';');
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype stop = start;
        while (stop < text.size() && text.at(stop) != QLatin1Char(';')
            && text.at(stop) != QLatin1Char(',')) {
            ++stop;
        }
        const QString part = text.mid(start, stop - start).trimmed();
        const QChar before = separator;
        separator = stop < text.size() ? text.at(stop) : QChar();
        start = stop + 1;
        if (part.isEmpty()) {
            continue;
        }
        const QString notAReference = quoted(part) + QStringLiteral(" is not a reference");

        QString bookText;
        QString numberText;
        splitBookAndNumbers(part, bookText, numberText);
        // A part without a book continues the book before it; a book needs a letter.
        const bool continues = bookText.isEmpty();
        if (continues ? !book : std::none_of(bookText.begin(), bookText.end(), [](QChar c) {
                return c.isLetter();
            })) {
            result.message = notAReference;
            return result;
        }
        if (!continues && !(book = findBook(bookText, &result.message))) {
            return result;
        }

        BiblePassage passage;
        passage.bookID = book->bookID;
        passage.bookName = book->name;
        if (numberText.isEmpty()) {
            passage.to = { BiblePassage::ChapterEnd, BiblePassage::ChapterEnd };
            lastChapter = 0;
            lastEndedWithVerse = false;
            result.passages.append(passage);
            continue;
        }
        Numbers numbers;
        if (!readNumbers(numberText, numbers)) {
            result.message = notAReference;
            return result;
        }
        const bool versesOfLastChapter = continues && before == QLatin1Char(',')
            && lastEndedWithVerse && !numbers.chapterVerse;
        placeRange(numbers, versesOfLastChapter, lastChapter, passage);
        result.message = rangeProblem(part, passage, numbers, versesOfLastChapter);
        if (!result.message.isEmpty()) {
            return result;
        }
        lastChapter = passage.to.chapter;
        lastEndedWithVerse = passage.to.verse != BiblePassage::ChapterEnd;
        result.passages.append(passage);
    }
    if (result.passages.isEmpty()) {
        result.message = quoted(text.trimmed()) + QStringLiteral(" is not a reference");
    }
    return result;
}
