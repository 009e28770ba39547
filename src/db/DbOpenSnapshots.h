#pragma once

#include <unordered_set>

class DbSnapshot;

// The snapshots of one SQLite connection that read through SQLite's own statements. A
// statement still open when the connection closes would keep the file open behind the
// driver's back, so the connection closes them first. Shared between the connection and its
// snapshots: whichever goes last frees it.
class DbOpenSnapshots
{
public:
    void add(DbSnapshot *snapshot) { m_open.insert(snapshot); }
    void remove(DbSnapshot *snapshot) { m_open.erase(snapshot); }
    // Closes every snapshot still open; each reads as ended afterwards.
    void closeAll();

private:
    std::unordered_set<DbSnapshot *> m_open;
};
