#include "BiblePassage.h"

namespace {

const QString Dash = QStringLiteral("\u2013");

QString number(int value)
{
    return QString::number(value);
}

// The SQL forms of the column rules of fromSermonColumns. A place becomes one number,
// chapter * 32768 + verse, which orders as the pair does and stays within 32 bits.
constexpr int PlaceFactor = 32768;

QString placeSql(const QString &chapter, const QString &verse)
{
    return chapter + QStringLiteral(" * ") + number(PlaceFactor) + QStringLiteral(" + ") + verse;
}

qint64 placeNumber(const BiblePassage::Place &place)
{
    return qint64(place.chapter) * PlaceFactor + place.verse;
}

} // namespace

bool BiblePassage::overlaps(const BiblePassage &other) const
{
    return isValid() && bookID == other.bookID && from <= other.to && other.from <= to;
}

QString BiblePassage::reading() const
{
    if (isWholeBook()) {
        return bookName;
    }
    const QString start = bookName + QLatin1Char(' ') + number(from.chapter);
    const bool fromChapterStart = from.verse == 0;
    const bool toChapterEnd = to.verse == ChapterEnd;
    if (fromChapterStart && toChapterEnd) {
        return from.chapter == to.chapter ? start : start + Dash + number(to.chapter);
    }
    if (fromChapterStart) {
        // From a chapter's start to a verse: "John 3–4:2", or "John 3:1–5" within one chapter.
        if (from.chapter == to.chapter) {
            return start + QStringLiteral(":1") + Dash + number(to.verse);
        }
        return start + Dash + number(to.chapter) + QLatin1Char(':') + number(to.verse);
    }
    const QString first = start + QLatin1Char(':') + number(from.verse);
    if (toChapterEnd) {
        // Only a sermon's columns give this shape (a verse to the end of a chapter).
        return first + Dash + number(to.chapter) + QStringLiteral(":end");
    }
    if (from.chapter == to.chapter) {
        return from.verse == to.verse ? first : first + Dash + number(to.verse);
    }
    return first + Dash + number(to.chapter) + QLatin1Char(':') + number(to.verse);
}

QString BiblePassage::reading(const QList<BiblePassage> &passages)
{
    QStringList parts;
    for (const BiblePassage &passage : passages) {
        parts.append(passage.reading());
    }
    return parts.join(QStringLiteral("; "));
}

BiblePassage BiblePassage::fromSermonColumns(
    qint32 bookID, int beginChapter, int beginVerse, int endChapter, int endVerse)
{
    BiblePassage passage;
    passage.bookID = bookID;
    const int bc = qMax(beginChapter, 0);
    const int bv = qMax(beginVerse, 0);
    const int ec = qMax(endChapter, 0);
    const int ev = qMax(endVerse, 0);
    if (bc == 0) {
        passage.to = { ChapterEnd, ChapterEnd };
        return passage;
    }
    passage.from = { bc, bv };
    const Place beginningAlone { bc, bv > 0 ? bv : ChapterEnd };
    Place end = beginningAlone;
    if (ec > 0) {
        end = { ec, ev > 0 ? ev : ChapterEnd };
    } else if (ev > 0) {
        end = { bc, ev };
    }
    passage.to = end < passage.from ? beginningAlone : end;
    return passage;
}

QString BiblePassage::overlapSql(const QList<BiblePassage> &passages)
{
    // The delivered schema keeps these columns NOT NULL.
    const QString bc = QStringLiteral("intBeginChapter");
    const QString bv = QStringLiteral("intBeginVerse");
    const QString ec = QStringLiteral("intEndChapter");
    const QString ev = QStringLiteral("intEndVerse");
    const QString chapterEnd = number(ChapterEnd);
    // The sermon's first and last places, as fromSermonColumns finds them for a beginning
    // chapter above 0.
    const QString first
        = placeSql(bc, QStringLiteral("CASE WHEN %1 > 0 THEN %1 ELSE 0 END").arg(bv));
    const QString alone
        = placeSql(bc, QStringLiteral("CASE WHEN %1 > 0 THEN %1 ELSE %2 END").arg(bv, chapterEnd));
    const QString end
        = QStringLiteral("CASE WHEN %1 > 0 THEN %2 WHEN %3 > 0 THEN %4 ELSE %5 END")
              .arg(ec,
                  placeSql(ec,
                      QStringLiteral("CASE WHEN %1 > 0 THEN %1 ELSE %2 END").arg(ev, chapterEnd)),
                  ev, placeSql(bc, ev), alone);
    const QString last
        = QStringLiteral("CASE WHEN %1 < %2 THEN %3 ELSE %1 END").arg(end, first, alone);

    QStringList anyOf;
    for (const BiblePassage &passage : passages) {
        if (!passage.isValid()) {
            continue;
        }
        const QString book = QStringLiteral("lngBibleBookID = ") + number(passage.bookID);
        if (passage.isWholeBook()) {
            anyOf.append(QLatin1Char('(') + book + QLatin1Char(')'));
            continue;
        }
        // A sermon starting after the passage's last chapter cannot overlap it: book and
        // beginning chapter lead, so that the index on them gives a short range.
        anyOf.append(QStringLiteral(
            "(%1 AND intBeginChapter <= %2 AND (%3 <= 0 OR (%4 <= %5 AND %6 >= %7)))")
                         .arg(book, number(passage.to.chapter), bc, first,
                             QString::number(placeNumber(passage.to)), last,
                             QString::number(placeNumber(passage.from))));
    }
    if (anyOf.isEmpty()) {
        return QStringLiteral("1 = 0");
    }
    return anyOf.join(QStringLiteral(" OR "));
}
