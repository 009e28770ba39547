#include "SermonListFilter.h"

#include "DbDatabase.h"
#include "DbPairLookup.h"
#include "PassageSelection.h"
#include "ProgramGlobals.h"
#include "SelectionState.h"
#include "SqlLiterals.h"
#include "UserInterface.h"
#include "clsConnect.h"
#include "clsSermon.h"

SermonListFilter::SermonListFilter(const clsSermon &sermon)
    : m_sermon(sermon)
{
}

SermonListNarrowing SermonListFilter::narrowing()
{
    using Field = SermonListNarrowing::Field;
    using Join = SermonListNarrowing::Join;
    const SelectionState &selection = ProgramSelection();
    SermonListNarrowing wanted;
    if (selection.gboolShowAll == 1) {
        return wanted;
    }
    if (selection.gboolByKeys == 1) {
        wanted.join = Join::AllOf;
        wanted.conditions.append({ Field::Keys, 0, QString(), {}, selection.glngChosenSermonIDs });
        return wanted;
    }
    if (selection.gboolByPassage == 1) {
        // The database alone compares the ranges: the list rows carry no chapters.
        wanted.join = Join::AllOf;
        wanted.conditions.append(
            { Field::Passage, 0, QString(), PassageSelection::chosenPassages() });
        if (selection.glngPassageSermonID > 0) {
            wanted.conditions.append(
                { Field::OtherThan, selection.glngPassageSermonID, QString() });
        }
        return wanted;
    }
    const bool combination = selection.gboolCombination == 1;
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
    if (selection.gboolTextSearch == 1) {
        wanted.join = combination && selection.gboolAndLogic == 1 ? Join::AllOf : Join::AnyOf;
        if (combination) {
            search(Field::Title, selection.gstrSearchTitle != SearchSentinel,
                selection.gstrSearchTitle);
            search(Field::BigIdea, selection.gstrSearchBigIdea != SearchSentinel,
                selection.gstrSearchBigIdea);
            search(Field::Outline, selection.gstrSearchOutline != SearchSentinel,
                selection.gstrSearchOutline);
        } else {
            search(Field::Outline, selection.gboolSearchOutline == 1, selection.gstrSearchOutline);
            search(Field::BigIdea, selection.gboolSearchBigIdea == 1, selection.gstrSearchBigIdea);
            search(Field::Title, selection.gboolSearchTitle == 1, selection.gstrSearchTitle);
        }
        return wanted;
    }
    if (combination) {
        wanted.join = Join::AllOf;
        key(Field::BibleBook, selection.glngBibleBookID > 0, selection.glngBibleBookID);
        key(Field::Preacher, selection.glngPreacherID > 0, selection.glngPreacherID);
        key(Field::Series, selection.glngSeriesID > 0, selection.glngSeriesID);
        // Without gboolByTopic the fill has no topic look-up and the test finds nothing.
        key(Field::Topic, selection.glngTopicID > 0 && selection.gboolByTopic == 1,
            selection.glngTopicID);
    } else if (selection.gboolByTopic == 1) {
        // The single checklist's topic test comes last and sets the verdict alone.
        wanted.join = Join::AllOf;
        key(Field::Topic, true, selection.glngTopicID);
    } else {
        wanted.join = Join::AnyOf;
        key(Field::BibleBook, selection.gboolByBibleBook == 1, selection.glngBibleBookID);
        key(Field::Preacher, selection.gboolByPreacher == 1, selection.glngPreacherID);
        key(Field::Series, selection.gboolBySeries == 1, selection.glngSeriesID);
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
    SelectionState &selection = ProgramSelection();
    selection.grsSermonTopics.reset();
    if (selection.gboolByTopic != 1 || m_topicAnswered) {
        return;
    }
    DbError error;
    if (DbDatabase *database = ProgramConnection().openDatabase(error)) {
        selection.grsSermonTopics = database->preparePairLookup(QStringLiteral("tblSermonTopics"),
            QStringLiteral("lngSermonID"), QStringLiteral("lngTopicID"), error);
    }
    if (!selection.grsSermonTopics) {
        ShowSystemError(error);
    }
}

void SermonListFilter::releaseTopicLookup()
{
    ProgramSelection().grsSermonTopics.reset();
}

void SermonListFilter::SelectSingleTest()
{
    if (ProgramSelection().gboolByKeys == 1) {
        // The database picked exactly the chosen keys.
        ProgramSelection().gboolInclude = m_keysAnswered ? 1 : 0;
    } else if (ProgramSelection().gboolByPassage == 1) {
        SelectPassageTest();
    } else if (ProgramSelection().gboolTextSearch == 1) {
        SelectSingleBinoc();
    } else {
        SelectSingleCheck();
    }
}

void SermonListFilter::SelectComboTest()
{
    const SelectionState &selection = ProgramSelection();
    if (selection.gboolTextSearch == 1) {
        if (selection.gboolAndLogic == 1) {
            SelectComboBinoc1();
        } else {
            SelectComboBinoc0();
        }
    } else {
        SelectComboCheck();
    }
}

void SermonListFilter::SelectSingleCheck()
{
    SelectionState &selection = ProgramSelection();
    if (selection.gboolByBibleBook == 1 && m_sermon.BibleBookID() == selection.glngBibleBookID) {
        selection.gboolInclude = 1;
    }
    if (selection.gboolByPreacher == 1 && m_sermon.PreacherID() == selection.glngPreacherID) {
        selection.gboolInclude = 1;
    }
    if (selection.gboolBySeries == 1 && m_sermon.SeriesID() == selection.glngSeriesID) {
        selection.gboolInclude = 1;
    }
    if (selection.gboolByTopic == 1) {
        MatchSermonTopic();
    }
}

void SermonListFilter::SelectComboCheck()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolInclude = 1;
    if (selection.gboolInclude == 1 && selection.glngBibleBookID > 0) {
        selection.gboolInclude = m_sermon.BibleBookID() == selection.glngBibleBookID ? 1 : 0;
    }
    if (selection.gboolInclude == 1 && selection.glngPreacherID > 0) {
        selection.gboolInclude = m_sermon.PreacherID() == selection.glngPreacherID ? 1 : 0;
    }
    if (selection.gboolInclude == 1 && selection.glngSeriesID > 0) {
        selection.gboolInclude = m_sermon.SeriesID() == selection.glngSeriesID ? 1 : 0;
    }
    if (selection.gboolInclude == 1 && selection.glngTopicID > 0) {
        MatchSermonTopic();
    }
}

void SermonListFilter::SelectSingleBinoc()
{
    SelectionState &selection = ProgramSelection();
    if (selection.gboolSearchOutline == 1
        && fieldContains(InOutline, m_sermon.Outline(), selection.gstrSearchOutline)) {
        selection.gboolInclude = 1;
    }
    if (selection.gboolSearchBigIdea == 1
        && fieldContains(InBigIdea, m_sermon.BigIdea(), selection.gstrSearchBigIdea)) {
        selection.gboolInclude = 1;
    }
    if (selection.gboolSearchTitle == 1
        && fieldContains(InTitle, m_sermon.Title(), selection.gstrSearchTitle)) {
        selection.gboolInclude = 1;
    }
}

void SermonListFilter::SelectComboBinoc0()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolInclude = 0;
    if (selection.gboolInclude == 0 && selection.gstrSearchTitle != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InTitle, m_sermon.Title(), selection.gstrSearchTitle) ? 1 : 0;
    }
    if (selection.gboolInclude == 0 && selection.gstrSearchBigIdea != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InBigIdea, m_sermon.BigIdea(), selection.gstrSearchBigIdea) ? 1 : 0;
    }
    if (selection.gboolInclude == 0 && selection.gstrSearchOutline != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InOutline, m_sermon.Outline(), selection.gstrSearchOutline) ? 1 : 0;
    }
}

void SermonListFilter::SelectComboBinoc1()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolInclude = 1;
    if (selection.gboolInclude == 1 && selection.gstrSearchTitle != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InTitle, m_sermon.Title(), selection.gstrSearchTitle) ? 1 : 0;
    }
    if (selection.gboolInclude == 1 && selection.gstrSearchBigIdea != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InBigIdea, m_sermon.BigIdea(), selection.gstrSearchBigIdea) ? 1 : 0;
    }
    if (selection.gboolInclude == 1 && selection.gstrSearchOutline != SearchSentinel) {
        selection.gboolInclude
            = fieldContains(InOutline, m_sermon.Outline(), selection.gstrSearchOutline) ? 1 : 0;
    }
}

void SermonListFilter::SelectPassageTest()
{
    SelectionState &selection = ProgramSelection();
    selection.gboolInclude
        = m_passageAnswered && m_sermon.SermonID() != selection.glngPassageSermonID ? 1 : 0;
}

void SermonListFilter::MatchSermonTopic()
{
    SelectionState &selection = ProgramSelection();
    bool found = m_topicAnswered;
    if (!found && selection.grsSermonTopics) {
        DbError error;
        found = selection.grsSermonTopics->contains(
            selection.glngTestSermonID, selection.glngTopicID, error);
        if (error.isSet()) {
            // Reported once; the rest of this fill finds no topic links.
            selection.grsSermonTopics.reset();
            ShowSystemError(error);
            found = false;
        }
    }
    selection.gboolInclude = found ? 1 : 0;
    selection.glngTestSermonID = 0;
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
