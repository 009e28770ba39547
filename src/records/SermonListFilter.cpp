#include "SermonListFilter.h"

#include "DbDatabase.h"
#include "DbPairLookup.h"
#include "PassageSelection.h"
#include "ProgramGlobals.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsSermon.h"

SermonListFilter::SermonListFilter(const clsSermon &sermon, const SermonQuery &query)
    : m_sermon(sermon)
    , m_query(query)
{
}

SermonListFilter::~SermonListFilter() = default;

SermonListNarrowing SermonListFilter::narrowing(const SermonQuery &query)
{
    using Field = SermonListNarrowing::Field;
    using Join = SermonListNarrowing::Join;
    using Kind = SermonQuery::Kind;
    SermonListNarrowing wanted;
    if (query.kind == Kind::Everything) {
        return wanted;
    }
    if (query.kind == Kind::Sermons) {
        wanted.join = Join::AllOf;
        wanted.conditions.append({ Field::Keys, 0, QString(), {}, query.sermonIDs });
        return wanted;
    }
    if (query.kind == Kind::Passage) {
        // The database alone compares the ranges: the list rows carry no chapters.
        wanted.join = Join::AllOf;
        wanted.conditions.append(
            { Field::Passage, 0, QString(), PassageSelection::chosenPassages(query) });
        if (query.passageOfSermon > 0) {
            wanted.conditions.append({ Field::OtherThan, query.passageOfSermon, QString() });
        }
        return wanted;
    }
    const bool combination = query.combination;
    auto search = [&wanted](Field field, bool chosen, const QString &text) {
        if (chosen) {
            wanted.conditions.append({ field, 0, TrimBlanks(text) });
        }
    };
    auto key = [&wanted](Field field, bool chosen, qint32 value) {
        if (chosen) {
            wanted.conditions.append({ field, value, QString() });
        }
    };
    if (query.kind == Kind::TextSearch) {
        wanted.join = combination && query.allFieldsMatch ? Join::AllOf : Join::AnyOf;
        if (combination) {
            search(Field::Title, query.title.text != SearchSentinel, query.title.text);
            search(Field::BigIdea, query.bigIdea.text != SearchSentinel, query.bigIdea.text);
            search(Field::Outline, query.outline.text != SearchSentinel, query.outline.text);
        } else {
            search(Field::Outline, query.outline.inUse, query.outline.text);
            search(Field::BigIdea, query.bigIdea.inUse, query.bigIdea.text);
            search(Field::Title, query.title.inUse, query.title.text);
        }
        return wanted;
    }
    if (combination) {
        wanted.join = Join::AllOf;
        key(Field::BibleBook, query.bibleBook.chosen(), query.bibleBook.key);
        key(Field::Preacher, query.preacher.chosen(), query.preacher.key);
        key(Field::Series, query.series.chosen(), query.series.key);
        // Without the topic in use the fill has no topic look-up and the test finds nothing.
        key(Field::Topic, query.topic.chosen() && query.topic.inUse, query.topic.key);
    } else if (query.topic.inUse) {
        // The single checklist's topic test comes last and sets the verdict alone.
        wanted.join = Join::AllOf;
        key(Field::Topic, true, query.topic.key);
    } else {
        wanted.join = Join::AnyOf;
        key(Field::BibleBook, query.bibleBook.inUse, query.bibleBook.key);
        key(Field::Preacher, query.preacher.inUse, query.preacher.key);
        key(Field::Series, query.series.inUse, query.series.key);
    }
    return wanted;
}

void SermonListFilter::answerFromDatabase(const SermonListNarrowing &tested)
{
    m_outlineAnswer = tested.has(SermonListNarrowing::Field::Outline) ? OutlineAnswer::Found
                                                                      : OutlineAnswer::Read;
    m_topicAnswered = tested.has(SermonListNarrowing::Field::Topic);
    m_passageAnswered = tested.has(SermonListNarrowing::Field::Passage);
    m_keysAnswered = tested.has(SermonListNarrowing::Field::Keys);
}

void SermonListFilter::openTopicLookup()
{
    m_sermonTopics.reset();
    if (!m_query.topic.inUse || m_topicAnswered) {
        return;
    }
    DbError error;
    if (DbDatabase *database = ProgramConnection().openDatabase(error)) {
        m_sermonTopics = database->preparePairLookup(QStringLiteral("tblSermonTopics"),
            QStringLiteral("lngSermonID"), QStringLiteral("lngTopicID"), error);
    }
    if (!m_sermonTopics) {
        ShowSystemError(error);
    }
}

void SermonListFilter::releaseTopicLookup()
{
    m_sermonTopics.reset();
}

bool SermonListFilter::includes()
{
    switch (m_query.kind) {
    case SermonQuery::Kind::Everything:
        return true;
    case SermonQuery::Kind::Nothing:
        return false;
    case SermonQuery::Kind::Sermons:
        // The database picked exactly the chosen keys.
        return m_keysAnswered;
    default:
        return m_query.combination ? SelectComboTest() : SelectSingleTest();
    }
}

bool SermonListFilter::SelectSingleTest()
{
    if (m_query.kind == SermonQuery::Kind::Passage) {
        return SelectPassageTest();
    }
    if (m_query.kind == SermonQuery::Kind::TextSearch) {
        return SelectSingleBinoc();
    }
    return SelectSingleCheck();
}

bool SermonListFilter::SelectComboTest()
{
    if (m_query.kind == SermonQuery::Kind::TextSearch) {
        return m_query.allFieldsMatch ? SelectComboBinoc1() : SelectComboBinoc0();
    }
    return SelectComboCheck();
}

bool SermonListFilter::SelectSingleCheck()
{
    // The topic test comes last and, when in use, decides alone.
    if (m_query.topic.inUse) {
        return MatchSermonTopic();
    }
    return (m_query.bibleBook.inUse && m_sermon.BibleBookID() == m_query.bibleBook.key)
        || (m_query.preacher.inUse && m_sermon.PreacherID() == m_query.preacher.key)
        || (m_query.series.inUse && m_sermon.SeriesID() == m_query.series.key);
}

bool SermonListFilter::SelectComboCheck()
{
    if (m_query.bibleBook.chosen() && m_sermon.BibleBookID() != m_query.bibleBook.key) {
        return false;
    }
    if (m_query.preacher.chosen() && m_sermon.PreacherID() != m_query.preacher.key) {
        return false;
    }
    if (m_query.series.chosen() && m_sermon.SeriesID() != m_query.series.key) {
        return false;
    }
    return !m_query.topic.chosen() || MatchSermonTopic();
}

bool SermonListFilter::SelectSingleBinoc()
{
    return (m_query.outline.inUse
               && fieldContains(InOutline, m_sermon.Outline(), m_query.outline.text))
        || (m_query.bigIdea.inUse
            && fieldContains(InBigIdea, m_sermon.BigIdea(), m_query.bigIdea.text))
        || (m_query.title.inUse && fieldContains(InTitle, m_sermon.Title(), m_query.title.text));
}

bool SermonListFilter::SelectComboBinoc0()
{
    const auto found = [this](SearchField slot, const QString &field, const QString &text) {
        return text != SearchSentinel && fieldContains(slot, field, text);
    };
    return found(InTitle, m_sermon.Title(), m_query.title.text)
        || found(InBigIdea, m_sermon.BigIdea(), m_query.bigIdea.text)
        || found(InOutline, m_sermon.Outline(), m_query.outline.text);
}

bool SermonListFilter::SelectComboBinoc1()
{
    const auto passes = [this](SearchField slot, const QString &field, const QString &text) {
        return text == SearchSentinel || fieldContains(slot, field, text);
    };
    return passes(InTitle, m_sermon.Title(), m_query.title.text)
        && passes(InBigIdea, m_sermon.BigIdea(), m_query.bigIdea.text)
        && passes(InOutline, m_sermon.Outline(), m_query.outline.text);
}

bool SermonListFilter::SelectPassageTest() const
{
    return m_passageAnswered && m_sermon.SermonID() != m_query.passageOfSermon;
}

bool SermonListFilter::MatchSermonTopic()
{
    if (m_topicAnswered) {
        return true;
    }
    if (!m_sermonTopics) {
        return false;
    }
    DbError error;
    const bool found = m_sermonTopics->contains(m_sermon.SermonID(), m_query.topic.key, error);
    if (error.isSet()) {
        // Reported once; the rest of this fill finds no topic links.
        m_sermonTopics.reset();
        ShowSystemError(error);
        return false;
    }
    return found;
}

bool SermonListFilter::fieldContains(SearchField slot, const QString &field, const QString &search)
{
    if (slot == InOutline && m_outlineAnswer != OutlineAnswer::Read) {
        return m_outlineAnswer == OutlineAnswer::Found;
    }
    if (field.isEmpty()) {
        return false;
    }
    PreparedSearch &prepared = m_searches[size_t(slot)];
    if (!prepared.ready || prepared.search != search) {
        const QString pattern = TrimBlanks(search);
        prepared.search = search;
        prepared.emptyPattern = pattern.isEmpty();
        prepared.matcher = QStringMatcher(pattern, Qt::CaseInsensitive);
        prepared.ready = true;
    }
    return prepared.emptyPattern || prepared.matcher.indexIn(field) >= 0;
}
