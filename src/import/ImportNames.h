#pragma once

#include "DbError.h"
#include "ImportRow.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class DbDatabase;

// The names an import refers to by text (preachers, types, series, topics), with the keys the
// library has for them. A list of sermons from elsewhere may name some the library lacks:
// they are listed for the user and created, inside the import's own transaction, only when
// the user agrees.
class ImportNames
{
public:
    enum class Kind { Preacher, Type, Series, Topic };

    struct Missing
    {
        QStringList preachers;
        QStringList series;
        QStringList topics;
        bool isEmpty() const { return preachers.isEmpty() && series.isEmpty() && topics.isEmpty(); }
        // One line per kind, for the question that lists them.
        QString describe() const;
    };

    bool load(DbDatabase &db, DbError &error);

    // The key of a name (blanks and letter case do not count); 0 when the library lacks it.
    // A preacher is found in every form the program writes or a person types: "Last, First",
    // "First Last", with or without the middle initial, accents and dots aside.
    qint32 find(Kind kind, const QString &name) const;
    bool has(Kind kind, const QString &name) const;
    // The name as the library writes it ("Anna Zimmer" for "Zimmer, Anna"); empty when the
    // library lacks it.
    QString written(Kind kind, const QString &name) const;
    // The names as the library writes them, sorted, for lists to choose from.
    QStringList names(Kind kind) const;

    // The preachers, series and topics the rows name that the library lacks.
    Missing missing(const QList<ImportRow> &rows) const;
    // Creates them (within the caller's transaction) with keys from the key counters; types
    // are the library's own and never created.
    bool create(DbDatabase &db, const Missing &missing, DbError &error);
    // Sets the row's preacher, type and series keys from its names (0 for one the library
    // lacks: the row then has none), and each name found as the library writes it, so the
    // review shows which one the row got.
    void resolve(ImportRow &row) const;
    QList<qint32> topicKeys(const ImportRow &row) const;

    // "First M. Last" (or "Last, First M.") into its parts (first name, middle initial, last
    // name): the last word is the last name, a short word before it the middle initial;
    // joined with blanks the parts give the name again.
    static QStringList splitPersonName(const QString &name);

private:
    static QString fold(const QString &name) { return name.simplified().toCaseFolded(); }
    // The forms a preacher's name is looked up by: without case, accents or dots, first name
    // first, with and without the middle initial.
    static QStringList personKeys(const QString &name);
    static QStringList partKeys(QStringList parts); // first name, middle initial, last name
    void addPreacher(const QStringList &parts, qint32 key);
    struct Table
    {
        QHash<QString, qint32> keys; // folded name → key
        QHash<qint32, QString> names; // key → the name as stored
        QStringList written; // names as stored
    };
    Table &table(Kind kind) { return m_tables[int(kind)]; }
    const Table &table(Kind kind) const { return m_tables[int(kind)]; }
    void add(Kind kind, const QString &name, qint32 key);

    Table m_tables[4];
};
