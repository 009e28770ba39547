#include "ImportReview.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "ImportFacts.h"
#include "OfficeConversion.h"
#include "ReferenceText.h"
#include "SqlLiterals.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A passage in the form the sermon screen gives a reference it composes from the book, the
// chapters and the verses ("Ephesians 2:8-10", "John 3:16 - 4:2"); whole chapters and books,
// which that screen never composes, as "Romans 8", "Genesis 1-3", "Jude".
QString storedReference(const BiblePassage &p)
{
    const int end = BiblePassage::ChapterEnd;
    if (p.isWholeBook())
        return p.bookName;
    if (p.from.verse == 0 && p.to.verse == end) {
        const QString start = p.bookName + QLatin1Char(' ') + QString::number(p.from.chapter);
        return p.to.chapter == p.from.chapter
            ? start
            : start + QLatin1Char('-') + QString::number(p.to.chapter);
    }
    const int beginVerse = qMax(1, p.from.verse);
    if (p.to.verse == end)
        return ReferenceText(p.bookName, QString::number(p.from.chapter),
                   QString::number(beginVerse), QString::number(p.to.chapter), QString())
            + QStringLiteral("end");
    return ReferenceText(p.bookName, QString::number(p.from.chapter), QString::number(beginVerse),
        QString::number(p.to.chapter), QString::number(p.to.verse));
}

void fillPassage(ImportRow &row, const PassageParser::Result &result)
{
    if (!result.ok()) {
        row.bookID = 0;
        row.beginChapter = row.beginVerse = row.endChapter = row.endVerse = 0;
        return;
    }
    const BiblePassage &p = result.passages.first();
    const int end = BiblePassage::ChapterEnd;
    row.bookID = p.bookID;
    row.beginChapter = p.from.chapter;
    row.beginVerse = p.from.verse;
    row.endChapter = p.to.chapter == end ? 0 : p.to.chapter;
    row.endVerse = p.to.verse == end ? 0 : p.to.verse;
    QStringList parts;
    for (const BiblePassage &passage : result.passages)
        parts.append(storedReference(passage));
    row.passage = parts.join(QStringLiteral("; "));
}

// A line is no title when it is only a passage ("Text: Romans 5:1-11") or only a date
// ("Preached May 5, 2019"): what is left once they are taken out is a word at most.
bool onlyPassageOrDate(const PassageParser &parser, const QString &line)
{
    QString rest = line;
    QString matched;
    if (ImportFacts::findPassage(parser, rest, &matched).ok())
        rest.remove(matched);
    if (ImportFacts::findDate(rest, &matched).isValid())
        rest.remove(matched);
    if (rest.size() == line.size())
        return false;
    static const QRegularExpression words(QStringLiteral("[\\w']+"));
    qsizetype count = 0;
    for (auto it = words.globalMatch(rest); it.hasNext(); it.next())
        ++count;
    return count <= 1;
}

// The first short line of the text that is neither a passage nor a date alone.
QString titleLine(const PassageParser &parser, const QString &text)
{
    const QStringList lines = ImportFacts::firstLines(text, 6).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.size() > 120 || onlyPassageOrDate(parser, line))
            continue;
        return line;
    }
    return QString();
}

// Word and Writer fill the title property with file names, template names and "Microsoft
// Word - ..." more often than with a title: such a property is no title.
bool usableTitleProperty(const QString &property, const QString &fileName)
{
    const QString simplified = property.simplified();
    return !simplified.isEmpty()
        && simplified.compare(
               QFileInfo(fileName).completeBaseName().simplified(), Qt::CaseInsensitive)
        != 0
        && simplified.compare(fileName.simplified(), Qt::CaseInsensitive) != 0
        && !simplified.startsWith(QLatin1String("Microsoft Word -"), Qt::CaseInsensitive);
}

} // namespace

ImportReview::ImportReview(const QList<PassageParser::Book> &books)
    : m_parser(books)
{
}

bool ImportReview::loadLibrary(DbDatabase &db, DbError &error)
{
    m_library.clear();
    auto rs = db.openSnapshot(
        QStringLiteral("SELECT strTitle, lngBibleBookID, intBeginChapter, intBeginVerse, "
                       "intEndChapter, intEndVerse, dtDatePreached FROM tblSermons"),
        error);
    if (!rs)
        return false;
    for (; !rs->eof(); rs->moveNext()) {
        m_library.insert(duplicateKey(NullToText(rs->field(0)), NullToLong(rs->field(1)),
            NullToLong(rs->field(2)), NullToLong(rs->field(3)), NullToLong(rs->field(4)),
            NullToLong(rs->field(5)), DateFromValue(rs->field(6)).date()));
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        return false;
    }
    return true;
}

ImportRow ImportReview::makeRow(
    const ImportSource &source, const ImportedDocument &doc, const Defaults &defaults) const
{
    ImportRow row;
    row.source = source;
    row.preacherID = defaults.preacherID;
    row.preacher = defaults.preacher;
    row.typeID = defaults.typeID;
    row.type = defaults.type;
    row.location = defaults.location;
    if (defaults.seriesFromFolder && m_series.contains(source.folderName)) {
        row.series = source.folderName;
        row.seriesID = m_series.value(source.folderName);
    }
    const QString name = QFileInfo(source.entry.isEmpty() ? source.path : source.entry).fileName();
    QString base = QFileInfo(name).completeBaseName();
    row.route = doc.route;
    if (!doc.ok()) {
        row.ticked = false;
        row.status = ImportRow::Status::Unreadable;
        row.reason = doc.error;
        row.title = ImportFacts::titleFromFileName(name);
        return row;
    }
    row.outline = doc.text;
    const QString head = ImportFacts::firstLines(doc.text, 8);
    QString dateText;
    row.date = ImportFacts::findDate(base, &dateText);
    if (row.date.isValid())
        base.remove(dateText);
    else
        row.date = ImportFacts::findDate(head);
    if (!row.date.isValid()) {
        row.date = source.modified.date();
        row.dateGuessed = true;
    }
    PassageParser::Result passage = ImportFacts::findPassage(m_parser, base);
    if (!passage.ok())
        passage = ImportFacts::findPassage(m_parser, head);
    fillPassage(row, passage);

    // The writer's own heading first; the title property only for a document without one.
    row.title = doc.firstHeading;
    if (row.title.isEmpty())
        row.title = titleLine(m_parser, doc.text);
    if (row.title.isEmpty() && usableTitleProperty(doc.titleProperty, name))
        row.title = doc.titleProperty.simplified();
    if (row.title.isEmpty())
        row.title = ImportFacts::titleFromFileName(name);
    return row;
}

QList<ImportRow> ImportReview::readAll(const QList<ImportSource> &sources, const Defaults &defaults,
    const std::atomic<bool> &cancel, const Progress &progress) const
{
    QList<ImportRow> rows;
    rows.reserve(sources.size());
    OfficeConversion office;
    if (OfficeConversion::available())
        office.convert(sources, cancel);
    for (const ImportSource &source : sources) {
        if (cancel.load())
            break;
        rows.append(makeRow(source, office.read(source, &cancel), defaults));
        if (progress)
            progress(int(rows.size()), int(sources.size()));
    }
    return rows;
}

void ImportReview::setPassage(ImportRow &row, const QString &text) const
{
    row.passage = text.trimmed();
    fillPassage(row, row.passage.isEmpty() ? PassageParser::Result() : m_parser.parse(row.passage));
}

void ImportReview::refreshStatuses(QList<ImportRow> &rows) const
{
    QHash<QString, QString> earlier; // key → the file of the first ticked row with it
    for (ImportRow &row : rows) {
        if (row.status == ImportRow::Status::Unreadable)
            continue;
        row.reason.clear();
        const QString key = duplicateKey(row.title, row.bookID, row.beginChapter, row.beginVerse,
            row.endChapter, row.endVerse, row.date);
        if (m_library.contains(key)) {
            row.status = ImportRow::Status::Duplicate;
            row.reason = QCoreApplication::translate(
                "ImportReview", "the same title, passage and date as a sermon in the library");
        } else if (earlier.contains(key)) {
            row.status = ImportRow::Status::Duplicate;
            row.reason = QCoreApplication::translate(
                "ImportReview", "the same title, passage and date as %1")
                             .arg(earlier.value(key));
        } else {
            row.status
                = row.bookID > 0 ? ImportRow::Status::Ready : ImportRow::Status::NeedsPassage;
        }
        if (row.ticked && !earlier.contains(key))
            earlier.insert(key, row.source.displayName);
    }
}

QString ImportReview::duplicateKey(const QString &title, qint32 bookID, int beginChapter,
    int beginVerse, int endChapter, int endVerse, const QDate &date)
{
    return title.simplified().toCaseFolded() + QLatin1Char('|')
        + QStringLiteral("%1:%2:%3:%4:%5")
              .arg(bookID)
              .arg(beginChapter)
              .arg(beginVerse)
              .arg(endChapter)
              .arg(endVerse)
        + QLatin1Char('|') + date.toString(Qt::ISODate);
}
