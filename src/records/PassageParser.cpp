#include "PassageParser.h"

#include "BibleBookNames.h"
#include "DbDatabase.h"
#include "ProgramGlobals.h"
#include "clsBibleBook.h"
#include "clsConnect.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

// A name as the parser compares it: small letters, no accents, dots or blanks.
QString bookKey(const QString &text)
{
    return BibleBookNames::key(text);
}

// "I Corinthians", "II Kings", "First John": the number written out.
QString numberedBook(const QString &typed)
{
    // The Spanish forms too: "Primera de Corintios", "1a Juan", "2ª Timoteo", "3ra Juan".
    static const QRegularExpression ordinal(
        QStringLiteral("^(iii|ii|i|first|second|third|primer[ao]?|segund[ao]|tercer[ao]?|"
                       "([123])(?:a|ª|o|º|ra|da|ro|do))[\\s.]+(?:de\\s+)?(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ordinal.match(typed);
    if (!match.hasMatch()) {
        return typed;
    }
    const QString word = match.captured(1).toLower();
    QString digit = match.captured(2);
    if (digit.isEmpty()) {
        digit = word == QLatin1String("i") || word == QLatin1String("first")
                || word.startsWith(QLatin1String("prim"))
            ? QStringLiteral("1")
            : word == QLatin1String("ii") || word == QLatin1String("second")
                || word.startsWith(QLatin1String("seg"))
            ? QStringLiteral("2")
            : QStringLiteral("3");
    }
    return digit + QLatin1Char(' ') + match.captured(3);
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
    return PassageParser::tr("%1 or %2")
        .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
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
            return PassageParser::tr("%1: a chapter cannot be 0").arg(quoted(part));
        }
    }
    if ((passage.from.verse == 0 && (numbers.chapterVerse || versesOfLastChapter))
        || (passage.to.verse == 0
            && (numbers.endHasVerse || versesOfLastChapter || numbers.chapterVerse))) {
        return PassageParser::tr("%1: a verse cannot be 0").arg(quoted(part));
    }
    if (passage.to < passage.from) {
        return PassageParser::tr("%1: the end comes before the beginning").arg(quoted(part));
    }
    return QString();
}

} // namespace

PassageParser::PassageParser(const QList<Book> &books)
{
    m_books.reserve(books.size());
    for (const Book &book : books) {
        const int canonical = BibleBookNames::canonicalOf(book.name);
        const QString spanish = BibleBookNames::spanishName(canonical);
        m_books.append({ book.bookID, BibleBookNames::shown(book.name), bookKey(book.name),
            spanish.isEmpty() ? QString() : bookKey(spanish), canonical });
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
    // Either language's name, then either language's abbreviations, then the start of a name.
    for (const Candidate &book : m_books) {
        if (book.key == key || (!book.spanishKey.isEmpty() && book.spanishKey == key)) {
            return &book;
        }
    }
    for (const Candidate &book : m_books) {
        if (book.canonical > 0 && BibleBookNames::abbreviations(book.canonical).contains(key)) {
            return &book;
        }
    }
    QList<const Candidate *> starting;
    for (const Candidate &book : m_books) {
        if (!key.isEmpty()
            && (book.key.startsWith(key)
                || (!book.spanishKey.isEmpty() && book.spanishKey.startsWith(key)))) {
            starting.append(&book);
        }
    }
    if (starting.size() == 1) {
        return starting.first();
    }
    if (starting.isEmpty()) {
        *message = PassageParser::tr("%1 is not a book of the Bible").arg(quoted(typed));
        return nullptr;
    }
    // The New Testament first (the books most often meant), then the rest, each
    // alphabetically: "'Jo' could be John, Job, Joel, Jonah or Joshua".
    std::sort(starting.begin(), starting.end(), [](const Candidate *a, const Candidate *b) {
        const bool aNew = a->canonical >= BibleBookNames::FirstNewTestamentBook;
        const bool bNew = b->canonical >= BibleBookNames::FirstNewTestamentBook;
        if (aNew != bNew) {
            return aNew;
        }
        return QString::compare(a->name, b->name, Qt::CaseInsensitive) < 0;
    });
    QStringList names;
    for (const Candidate *book : starting) {
        names.append(book->name);
    }
    *message = PassageParser::tr("%1 could be %2").arg(quoted(typed), alternatives(names));
    return nullptr;
}

PassageParser::Result PassageParser::parse(const QString &text) const
{
    Result result;
    if (text.trimmed().isEmpty()) {
        result.message = PassageParser::tr("Type a reference, for example John 3:16");
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
        const QString notAReference = PassageParser::tr("%1 is not a reference").arg(quoted(part));

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
        result.message = PassageParser::tr("%1 is not a reference").arg(quoted(text.trimmed()));
    }
    return result;
}
