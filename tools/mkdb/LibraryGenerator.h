#pragma once

#include "DbError.h"

class DbDatabase;
class QRandomGenerator;

// Fills a database with a large made-up library for benchmarks: sermons with outlines of
// about 4 KB, a few hundred preachers, series, topics and topic links, and a preaching
// history: each sermon preached again up to three times (tblDateLoc) and one in three telling
// one of a few hundred illustrations. Deterministic: the same count gives the same library.
class LibraryGenerator
{
public:
    // Bumped whenever the generated text or the schema's indexes change, so kept libraries of
    // an older make are never measured as if they were the new one.
    static constexpr int Version = 5;
    // Words a text search can look for: every outline uses the common words many times; the
    // rare word stands near the end of about one outline in a thousand; the absent word is in
    // no outline.
    static constexpr char CommonWord[] = "mercy";
    static constexpr char RareWord[] = "Melchizedek";
    static constexpr char AbsentWord[] = "tabernacle";

    explicit LibraryGenerator(DbDatabase &database);
    bool generate(int sermonCount, DbError &error);

private:
    bool insertBatch(const QString &head, const QStringList &rows, DbError &error);
    // Writes and empties the rows gathered for one batch of sermons.
    bool insertBatches(const QString &sermonHead, QStringList &sermons, const QString &linkHead,
        QStringList &links, const QString &occasionHead, QStringList &occasions,
        const QString &illustrationHead, QStringList &illustrationLinks, DbError &error);
    qint32 nextKey(const QString &table, const QString &column, DbError &error);
    // The rows the sermons refer to, each table in one batch.
    bool insertPreachers(qint32 first, int count, DbError &error);
    bool insertSeries(QRandomGenerator &random, qint32 first, int count, qint32 firstPreacher,
        int preacherCount, DbError &error);
    bool insertTopics(QRandomGenerator &random, qint32 first, int count, DbError &error);
    bool insertIllustrations(QRandomGenerator &history, qint32 first, int count, DbError &error);

    DbDatabase &m_database;
};
