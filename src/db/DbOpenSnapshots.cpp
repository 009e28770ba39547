#include "DbOpenSnapshots.h"

#include "DbSnapshot.h"

void DbOpenSnapshots::closeAll()
{
    // close() removes each snapshot from the set.
    while (!m_open.empty())
        (*m_open.begin())->close();
}
