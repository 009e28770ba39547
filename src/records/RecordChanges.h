#pragma once

#include <QtGlobal>

// What a record class announces after a row of its table was stored or deleted: the record
// itself (its key and every value, as just written) or the key of the row that went. The
// record knows nothing of lists; the screen that listens decides how its grid shows the
// change (which row, whether to scroll, whether to start a new entry).
//
// Nothing is announced after a failed operation, and nothing for a row that only was read.
enum class StoredChange { Inserted, Updated, Deleted };

template <class Record> class RecordChanges
{
public:
    virtual ~RecordChanges() = default;

    virtual void inserted(const Record &row) = 0;
    virtual void updated(const Record &row) = 0;
    virtual void deleted(qint32 key) = 0;
};

// The announcing side, shared by every record class that has a listening screen: one listener
// per record class (the one screen that lists its rows), called by any instance of the class,
// so a change made through another screen's record reaches the list as well.
template <class Record> class AnnouncesChanges
{
public:
    // The listening screen registers itself while it is open. Unregistering another listener
    // than the registered one changes nothing.
    static void listen(RecordChanges<Record> *listener) { s_listener = listener; }
    static void stopListening(RecordChanges<Record> *listener)
    {
        if (s_listener == listener)
            s_listener = nullptr;
    }

protected:
    // Tells the listener, if any, what was stored: `row` inserted or updated, or the row with
    // `key` deleted.
    static void announce(StoredChange change, const Record &row, qint32 key)
    {
        if (!s_listener)
            return;
        switch (change) {
        case StoredChange::Inserted:
            s_listener->inserted(row);
            break;
        case StoredChange::Updated:
            s_listener->updated(row);
            break;
        case StoredChange::Deleted:
            s_listener->deleted(key);
            break;
        }
    }

private:
    static inline RecordChanges<Record> *s_listener = nullptr;
};
