#include "SelectionState.h"

void SelectionState::InitializeGlobals()
{
    gstrOutline.clear();

    glngBibleBookID = -1;
    glngPreacherID = -1;
    glngSeriesID = -1;
    glngTestSermonID = -1;
    glngTopicID = -1;
    glngPassageSermonID = -1;

    gboolByBibleBook = 0;
    gboolByPreacher = 0;
    gboolBySeries = 0;
    gboolByTopic = 0;
    gboolTextSearch = 0;
    gboolAndLogic = 0;
    gboolShowAll = 0;
    gboolInclude = 0;
    gboolCombination = 0;
    gboolByPassage = 0;
}

SelectionState &ProgramSelection()
{
    static SelectionState selection;
    return selection;
}
