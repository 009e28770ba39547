#include "LibraryGenerator.h"

#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "SqlLiterals.h"

#include <QRandomGenerator>
#include <QStringList>

namespace {

const QStringList kWords = {
    QStringLiteral("grace"),
    QStringLiteral("faith"),
    QStringLiteral("hope"),
    QStringLiteral("love"),
    QStringLiteral("mercy"),
    QStringLiteral("covenant"),
    QStringLiteral("kingdom"),
    QStringLiteral("prayer"),
    QStringLiteral("wisdom"),
    QStringLiteral("repentance"),
    QStringLiteral("promise"),
    QStringLiteral("shepherd"),
    QStringLiteral("light"),
    QStringLiteral("servant"),
    QStringLiteral("cross"),
    QStringLiteral("resurrection"),
    QStringLiteral("spirit"),
    QStringLiteral("church"),
    QStringLiteral("family"),
    QStringLiteral("worship"),
    QStringLiteral("patience"),
    QStringLiteral("justice"),
    QStringLiteral("peace"),
    QStringLiteral("joy"),
    QStringLiteral("truth"),
    QStringLiteral("gospel"),
    QStringLiteral("neighbour"),
    QStringLiteral("bread"),
    QStringLiteral("water"),
    QStringLiteral("journey"),
    QStringLiteral("trust"),
    QStringLiteral("forgiveness"),
};
const QStringList kLastNames = {
    QStringLiteral("Anderson"),
    QStringLiteral("Baker"),
    QStringLiteral("Carter"),
    QStringLiteral("Dawson"),
    QStringLiteral("Ellis"),
    QStringLiteral("Fischer"),
    QStringLiteral("Garcia"),
    QStringLiteral("Hughes"),
    QStringLiteral("Ibarra"),
    QStringLiteral("Jensen"),
    QStringLiteral("Kowalski"),
    QStringLiteral("Lindqvist"),
    QStringLiteral("Morrison"),
    QStringLiteral("Nakamura"),
    QStringLiteral("O'Neill"),
    QStringLiteral("Petrov"),
};
const QStringList kFirstNames = {
    QStringLiteral("Anna"),
    QStringLiteral("Ben"),
    QStringLiteral("Clara"),
    QStringLiteral("David"),
    QStringLiteral("Esther"),
    QStringLiteral("Frank"),
    QStringLiteral("Grace"),
    QStringLiteral("Henry"),
};

QString words(QRandomGenerator &random, int count)
{
    QStringList picked;
    for (int i = 0; i < count; ++i)
        picked.append(kWords.at(random.bounded(int(kWords.size()))));
    return picked.join(QLatin1Char(' '));
}

// Outlines as people type them: typographic quotes and dashes in every outline, a Greek word
// in one of twenty, and the rare word near the end of one in a thousand.
QString outline(QRandomGenerator &random)
{
    QString text = QStringLiteral("Introduction \u2014 \u201c") + words(random, 12)
        + QStringLiteral("\u201d\n");
    static const char *const numerals[] = { "I.", "II.", "III.", "IV.", "V." };
    const bool greek = random.bounded(20) == 0;
    for (const char *numeral : numerals) {
        text += QLatin1String(numeral) + QLatin1Char(' ') + words(random, 6) + QLatin1Char('\n');
        for (const char *sub : { "A.", "B.", "C." })
            text += QStringLiteral("    ") + QLatin1String(sub) + QLatin1Char(' ')
                + words(random, 30) + QLatin1Char('\n');
    }
    if (greek)
        text += QStringLiteral(
            "    (\u1f00\u03b3\u03ac\u03c0\u03b7, \u03c7\u03ac\u03c1\u03b9\u03c2)\n");
    text += QStringLiteral("Conclusion: ") + words(random, 40);
    if (random.bounded(1000) == 0)
        text += QLatin1Char(' ') + QLatin1String(LibraryGenerator::RareWord);
    return text + QStringLiteral(" \u2014 amen.");
}

// The keys and counts a generated sermon draws its preacher, topics and illustration from.
struct SermonPlan
{
    qint32 firstPreacher;
    int preacherCount;
    qint32 firstTopic;
    int topicCount;
    qint32 firstIllustration;
    int illustrationCount;
};

// The rows gathered for the batch of sermons being written.
struct SermonRows
{
    QStringList sermons;
    QStringList links;
    QStringList occasions;
    QStringList illustrationLinks;
};

// One sermon with its topic links, further occasions and illustration link.
void appendSermon(QRandomGenerator &random, QRandomGenerator &history, const SermonPlan &plan,
    qint32 key, qint32 &nextOccasion, SermonRows &rows)
{
    const int book = 1 + random.bounded(66);
    const int chapter = 1 + random.bounded(30);
    const int verse = 1 + random.bounded(30);
    const int endVerse = verse + random.bounded(10);
    const QDate preached = QDate(1990, 1, 7).addDays(qint64(7) * random.bounded(1800));
    rows.sermons.append(
        QStringLiteral("(%1, %2, %3, %4, %5, %6, %7, %8, %9, 0, %10, %11, %12, %13, %14)")
            .arg(key)
            .arg(plan.firstPreacher + random.bounded(plan.preacherCount))
            .arg(1 + random.bounded(12))
            .arg(book)
            .arg(chapter)
            .arg(verse)
            .arg(chapter)
            .arg(endVerse)
            .arg(SQLText(QStringLiteral("Book %1 %2:%3-%4")
                             .arg(book)
                             .arg(chapter)
                             .arg(verse)
                             .arg(endVerse)),
                SQLText(QStringLiteral("On ") + words(random, 3)), SQLText(words(random, 10)),
                SQLDate(preached), SQLText(QStringLiteral("Chapel %1").arg(random.bounded(20))),
                SQLText(outline(random))));
    // Two or three topics per sermon, distinct.
    const int topicA = random.bounded(plan.topicCount);
    const int topicB = (topicA + 1 + random.bounded(plan.topicCount - 1)) % plan.topicCount;
    rows.links.append(QStringLiteral("(%1, %2)").arg(key).arg(plan.firstTopic + topicA));
    rows.links.append(QStringLiteral("(%1, %2)").arg(key).arg(plan.firstTopic + topicB));
    // Preached again zero to three times in the following years, at another chapel (never
    // in the future), and one in three sermons tells an illustration.
    const int again = history.bounded(4);
    for (int j = 0; j < again; ++j) {
        const QDate date = preached.addDays(qint64(7) * (1 + history.bounded(400)));
        const int chapel = history.bounded(20);
        if (date <= QDate(2025, 6, 29))
            rows.occasions.append(
                QStringLiteral("(%1, %2, %3, %4)")
                    .arg(nextOccasion++)
                    .arg(key)
                    .arg(SQLDate(date), SQLText(QStringLiteral("Chapel %1").arg(chapel))));
    }
    if (history.bounded(3) == 0)
        rows.illustrationLinks.append(
            QStringLiteral("(%1, %2)")
                .arg(key)
                .arg(plan.firstIllustration + history.bounded(plan.illustrationCount)));
}

} // namespace

LibraryGenerator::LibraryGenerator(DbDatabase &database)
    : m_database(database)
{
}

qint32 LibraryGenerator::nextKey(const QString &table, const QString &column, DbError &error)
{
    auto max = m_database.openSnapshot(
        QStringLiteral("SELECT Max(%1) FROM %2").arg(column, table), error);
    if (!max)
        return -1;
    return NullToLong(max->field(0)) + 1;
}

bool LibraryGenerator::insertBatch(const QString &head, const QStringList &rows, DbError &error)
{
    if (rows.isEmpty())
        return true;
    int affected = 0;
    return m_database.execute(head + rows.join(QStringLiteral(", ")), &affected, error);
}

bool LibraryGenerator::insertBatches(const QString &sermonHead, QStringList &sermons,
    const QString &linkHead, QStringList &links, const QString &occasionHead,
    QStringList &occasions, const QString &illustrationHead, QStringList &illustrationLinks,
    DbError &error)
{
    const bool ok = insertBatch(sermonHead, sermons, error) && insertBatch(linkHead, links, error)
        && insertBatch(occasionHead, occasions, error)
        && insertBatch(illustrationHead, illustrationLinks, error);
    sermons.clear();
    links.clear();
    occasions.clear();
    illustrationLinks.clear();
    return ok;
}

bool LibraryGenerator::insertPreachers(qint32 first, int count, DbError &error)
{
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        rows.append(
            QStringLiteral("(%1, %2, %3, %4, %5)")
                .arg(first + i)
                .arg(SQLText(kFirstNames.at(i % kFirstNames.size())),
                    SQLText(kLastNames.at(i % kLastNames.size()) + QStringLiteral(" %1").arg(i)),
                    SQLText(QStringLiteral("Springfield")))
                .arg(1 + i % 50));
    }
    return insertBatch(
        QStringLiteral(
            "INSERT INTO tblPreachers (lngPreacherID, strFirstName, strLastName, strCity, lngStateID) VALUES "),
        rows, error);
}

bool LibraryGenerator::insertSeries(QRandomGenerator &random, qint32 first, int count,
    qint32 firstPreacher, int preacherCount, DbError &error)
{
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        rows.append(QStringLiteral("(%1, %2, %3, %4, 1, 0, '%5')")
                        .arg(first + i)
                        .arg(SQLText(QStringLiteral("Series on ") + words(random, 2)))
                        .arg(1 + random.bounded(66))
                        .arg(firstPreacher + random.bounded(preacherCount))
                        .arg(1990 + random.bounded(35)));
    }
    return insertBatch(
        QStringLiteral(
            "INSERT INTO tblSeries (lngSeriesID, strName, lngBibleBookID, lngPreacherID, lngTypeID, lngPublisherID, strPubYear) VALUES "),
        rows, error);
}

bool LibraryGenerator::insertTopics(
    QRandomGenerator &random, qint32 first, int count, DbError &error)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows.append(QStringLiteral("(%1, %2)")
                        .arg(first + i)
                        .arg(SQLText(QStringLiteral("TOPIC %1 ").arg(i, 3, 10, QLatin1Char('0'))
                            + words(random, 1).toUpper())));
    return insertBatch(
        QStringLiteral("INSERT INTO tblTopics (lngTopicID, strTopic) VALUES "), rows, error);
}

bool LibraryGenerator::insertIllustrations(
    QRandomGenerator &history, qint32 first, int count, DbError &error)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows.append(QStringLiteral("(%1, %2, %3)")
                        .arg(first + i)
                        .arg(SQLText(QStringLiteral("Story %1 of ").arg(i) + words(history, 2)),
                            SQLText(words(history, 40))));
    return insertBatch(
        QStringLiteral("INSERT INTO tblIllustr (lngIllustrID, strName, strIllustration) VALUES "),
        rows, error);
}

bool LibraryGenerator::generate(int sermonCount, DbError &error)
{
    QRandomGenerator random(20261208u + quint32(sermonCount));
    const int preacherCount = qBound(5, sermonCount / 250, 400);
    const int seriesCount = qBound(5, sermonCount / 100, 2000);
    const int topicCount = 200;
    const int illustrationCount = qBound(5, sermonCount / 200, 500);
    // The preaching history (further occasions, illustrations) draws from its own stream, so
    // the sermons and topic links are the same as in libraries made without it.
    QRandomGenerator history(19900107u + quint32(sermonCount));

    const qint32 firstPreacher
        = nextKey(QStringLiteral("tblPreachers"), QStringLiteral("lngPreacherID"), error);
    const qint32 firstSeries
        = nextKey(QStringLiteral("tblSeries"), QStringLiteral("lngSeriesID"), error);
    const qint32 firstTopic
        = nextKey(QStringLiteral("tblTopics"), QStringLiteral("lngTopicID"), error);
    const qint32 firstSermon
        = nextKey(QStringLiteral("tblSermons"), QStringLiteral("lngSermonID"), error);
    const qint32 firstIllustration
        = nextKey(QStringLiteral("tblIllustr"), QStringLiteral("lngIllustrID"), error);
    qint32 nextOccasion
        = nextKey(QStringLiteral("tblDateLoc"), QStringLiteral("lngDateLocID"), error);
    if (firstPreacher < 0 || firstSeries < 0 || firstTopic < 0 || firstSermon < 0
        || firstIllustration < 0 || nextOccasion < 0)
        return false;

    if (!m_database.begin(error))
        return false;
    auto fail = [this]() {
        m_database.rollback();
        return false;
    };

    if (!insertPreachers(firstPreacher, preacherCount, error)
        || !insertSeries(random, firstSeries, seriesCount, firstPreacher, preacherCount, error)
        || !insertTopics(random, firstTopic, topicCount, error)
        || !insertIllustrations(history, firstIllustration, illustrationCount, error))
        return fail();

    const QString sermonHead = QStringLiteral(
        "INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, lngBibleBookID, intBeginChapter, "
        "intBeginVerse, intEndChapter, intEndVerse, strDisplayText, lngSeriesID, strTitle, strBigIdea, "
        "dtDatePreached, strLocation, strOutline) VALUES ");
    const QString linkHead
        = QStringLiteral("INSERT INTO tblSermonTopics (lngSermonID, lngTopicID) VALUES ");
    const QString occasionHead = QStringLiteral(
        "INSERT INTO tblDateLoc (lngDateLocID, lngSermonID, dtDatePreached, strLocation) VALUES ");
    const QString illustrationHead
        = QStringLiteral("INSERT INTO tblSermonIllustr (lngSermonID, lngIllustrID) VALUES ");
    const SermonPlan plan { firstPreacher, preacherCount, firstTopic, topicCount, firstIllustration,
        illustrationCount };
    SermonRows rows;
    for (int i = 0; i < sermonCount; ++i) {
        const qint32 key = firstSermon + i;
        appendSermon(random, history, plan, key, nextOccasion, rows);
        if (rows.sermons.size() == 50) {
            if (!insertBatches(sermonHead, rows.sermons, linkHead, rows.links, occasionHead,
                    rows.occasions, illustrationHead, rows.illustrationLinks, error))
                return fail();
        }
    }
    if (!insertBatches(sermonHead, rows.sermons, linkHead, rows.links, occasionHead, rows.occasions,
            illustrationHead, rows.illustrationLinks, error))
        return fail();
    return m_database.commit(error);
}
