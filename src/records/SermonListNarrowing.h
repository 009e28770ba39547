#pragma once

#include "BiblePassage.h"

#include <QList>
#include <QString>

// What the sermon list fill asks the database to leave out before the selection tests see a
// row: the same choices those tests make (a checklist or a text search), as conditions joined
// by AND or by OR. The database may only leave out rows the tests would refuse, so a
// condition it cannot test exactly is dropped (under OR that drops them all): fewer
// conditions only ever let more rows through, and the tests still decide.
struct SermonListNarrowing
{
    enum class Join { AllOf, AnyOf };
    // Passage: the sermon's range overlaps one of `passages`; OtherThan: any sermon but `key`;
    // Keys: one of `keys`.
    enum class Field {
        BibleBook,
        Preacher,
        Series,
        Topic,
        Title,
        BigIdea,
        Outline,
        Passage,
        OtherThan,
        Keys
    };

    struct Condition
    {
        Field field;
        // The chosen book, preacher, series or topic key.
        qint32 key = 0;
        // The search text as the test compares it (trimmed of blanks).
        QString text;
        // The passages searched for.
        QList<BiblePassage> passages = {};
        // The sermons chosen by key.
        QList<qint32> keys = {};
    };

    Join join = Join::AllOf;
    // None: every sermon.
    QList<Condition> conditions;

    bool has(Field field) const
    {
        for (const Condition &condition : conditions) {
            if (condition.field == field)
                return true;
        }
        return false;
    }
};
