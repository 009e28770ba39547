#pragma once

#include "SermonListNarrowing.h"
#include "SermonQuery.h"

#include <QString>
#include <QStringMatcher>
#include <array>
#include <memory>

class DbPairLookup;
class clsSermon;

// A search box left untouched hands this text on; the multi-field searches skip a field
// whose search text is this.
inline const QString SearchSentinel = QStringLiteral("azsxdcfvgbgnhjmkm");

// The tests the sermon list fill runs on each sermon: the checklist choices, the text search
// or the passage of a SermonQuery. Each test reads the sermon's row from the record it was
// given (key, book, preacher, series, title, big idea, outline) and returns its verdict. The
// topic test asks the database, through the pair look-up the fill prepares once
// (openTopicLookup).
//
// The fill first lets the database leave out the sermons these tests would refuse (see
// narrowing()); the tests then decide, one sermon at a time, on the rows that come back.
class SermonListFilter
{
public:
    SermonListFilter(const clsSermon &sermon, const SermonQuery &query);
    ~SermonListFilter();

    // The query as conditions for the database: exactly the sermons these tests keep meet
    // them.
    static SermonListNarrowing narrowing(const SermonQuery &query);
    // The conditions the database tested while fetching the rows (a narrowing from
    // narrowing(), less those it could not test). Every row it returns passes them as far as
    // these tests can tell (every test is an AND or an OR of its criteria), so the outline and
    // topic tests, the costly ones, then answer "found" without reading the outline or asking
    // the database again.
    void answerFromDatabase(const SermonListNarrowing &tested);

    // Before the first sermon: prepares the sermon-topic pair look-up when the query is by
    // topic and the database has not answered the topic test. A failure is shown; the topic
    // test then includes nothing.
    void openTopicLookup();
    // After the last sermon.
    void releaseTopicLookup();

    // The verdict on the record's sermon: Everything passes, Nothing fails, the rest as below.
    bool includes();

    // Not a combination: the passage search, the text search or the checklist, any
    // criterion matching.
    bool SelectSingleTest();
    // A combination: the text search (AND or OR) or the checklist, every chosen criterion
    // matching.
    bool SelectComboTest();

    bool SelectSingleCheck();
    bool SelectSingleBinoc();
    bool SelectComboCheck();
    // Any filled field (OR).
    bool SelectComboBinoc0();
    // Every filled field (AND).
    bool SelectComboBinoc1();
    // A passage search: the database compared the ranges, so every row it sent passes, but
    // the sermon whose own passage is searched.
    bool SelectPassageTest() const;
    // Whether tblSermonTopics links the sermon with the chosen topic.
    bool MatchSermonTopic();

    // What the outline test answers: the record's outline (Read), or, while a fill decides a
    // sermon before its outline is read, a supposed answer.
    enum class OutlineAnswer { Read, Found, NotFound };
    void setOutlineAnswer(OutlineAnswer answer) { m_outlineAnswer = answer; }

private:
    enum SearchField { InTitle, InBigIdea, InOutline };
    // The substring test of the text search: the search text trimmed of blanks, compared
    // without regard to letter case. An empty field contains nothing; an empty search text
    // is in every field that has text. The matcher is built once per fill rather than once
    // per sermon; a changed search text is prepared afresh.
    bool fieldContains(SearchField slot, const QString &field, const QString &search);

    struct PreparedSearch
    {
        bool ready = false;
        QString search;
        bool emptyPattern = false;
        QStringMatcher matcher;
    };

    const clsSermon &m_sermon;
    const SermonQuery m_query;
    // Open only during a fill by topic that the database did not answer.
    std::unique_ptr<DbPairLookup> m_sermonTopics;
    std::array<PreparedSearch, 3> m_searches;
    OutlineAnswer m_outlineAnswer = OutlineAnswer::Read;
    bool m_topicAnswered = false;
    bool m_passageAnswered = false;
    bool m_keysAnswered = false;
};
