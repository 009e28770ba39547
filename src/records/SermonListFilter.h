#pragma once

#include "SermonListNarrowing.h"

#include <QString>
#include <QStringMatcher>
#include <array>

class clsSermon;

// A search box left untouched hands this text on; the multi-field searches skip a field
// whose search text is this.
inline const QString SearchSentinel = QStringLiteral("azsxdcfvgbgnhjmkm");

// The tests the sermon list fill runs on each sermon: the checklist choices and the text
// search held in ProgramSelection(). Each test reads the sermon's row from the record it was
// given (book, preacher, series, title, big idea, outline) and the key under test from
// glngTestSermonID, and leaves its verdict in gboolInclude. The topic test asks the
// database, through the pair look-up the fill prepares once (openTopicLookup).
//
// The fill first lets the database leave out the sermons these tests would refuse (see
// narrowing()); the tests then decide, one sermon at a time, on the rows that come back.
class SermonListFilter
{
public:
    explicit SermonListFilter(const clsSermon &sermon);

    // ProgramSelection()'s choice as conditions for the database: exactly the sermons these
    // tests keep meet them.
    static SermonListNarrowing narrowing();
    // The conditions the database tested while fetching the rows (a narrowing from
    // narrowing(), less those it could not test). Every row it returns passes them as far as
    // these tests can tell (every test is an AND or an OR of its criteria), so the outline and
    // topic tests, the costly ones, then answer "found" without reading the outline or asking
    // the database again.
    void answerFromDatabase(const SermonListNarrowing &tested);

    // Before the first sermon: prepares ProgramSelection().grsSermonTopics when the
    // selection is by topic and the database has not answered the topic test. A failure is
    // shown; the topic test then includes nothing.
    void openTopicLookup();
    // After the last sermon.
    static void releaseTopicLookup();

    // gboolCombination off: the passage search, the text search or the checklist, any
    // criterion matching.
    void SelectSingleTest();
    // gboolCombination on: the text search (AND or OR) or the checklist, every chosen
    // criterion matching.
    void SelectComboTest();

    void SelectSingleCheck();
    void SelectSingleBinoc();
    void SelectComboCheck();
    // Any filled field (OR).
    void SelectComboBinoc0();
    // Every filled field (AND).
    void SelectComboBinoc1();
    // A passage search: the database compared the ranges, so every row it sent passes, but
    // the sermon whose own passage is searched.
    void SelectPassageTest();
    // Whether tblSermonTopics links glngTestSermonID with glngTopicID.
    void MatchSermonTopic();

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
    std::array<PreparedSearch, 3> m_searches;
    OutlineAnswer m_outlineAnswer = OutlineAnswer::Read;
    bool m_topicAnswered = false;
    bool m_passageAnswered = false;
    bool m_keysAnswered = false;
};
