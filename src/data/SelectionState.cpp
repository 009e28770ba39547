#include "SelectionState.h"

SelectionState &ProgramSelection()
{
    static SelectionState selection;
    return selection;
}
