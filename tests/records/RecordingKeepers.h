#pragma once

#include "DateLocListKeeper.h"
#include "SelectionState.h"
#include "SeriesListKeeper.h"
#include "SermonListKeeper.h"

#include <QHash>
#include <QStringList>

// A stand-in for the sermon screen, the series screen and the tracker at once: every call a
// record makes is noted in order as one line. The look-ups note the key they were handed
// (so a test sees it was set before the call) and answer from tables the test fills.
class RecordingScreen : public SermonListKeeper, public SeriesListKeeper, public DateLocListKeeper
{
public:
    QStringList calls;
    QHash<qint32, QString> books, lastNames, firstNames, types;

    void addListRow(const QString &cells, qint32 row) override
    {
        calls << QStringLiteral("add %1: %2").arg(QString::number(row), cells);
    }
    void setListRow(qint32 row) override { calls << QStringLiteral("row %1").arg(row); }
    void setListCellText(int column, const QString &text) override
    {
        calls << QStringLiteral("cell %1 '%2'").arg(QString::number(column), text);
    }
    void setListColumn(int column) override { calls << QStringLiteral("column %1").arg(column); }
    void setListTopRow(qint32 row) override { calls << QStringLiteral("top %1").arg(row); }
    void cmdNew_Click() override { calls << QStringLiteral("New"); }

    void GetPreacher() override
    {
        SelectionState &s = ProgramSelection();
        calls << QStringLiteral("GetPreacher %1").arg(s.glngLookupPreacherID);
        s.gstrLastName = lastNames.value(s.glngLookupPreacherID);
        s.gstrFirstName = firstNames.value(s.glngLookupPreacherID) + QLatin1Char(' ');
    }
    void GetBibleBook() override
    {
        SelectionState &s = ProgramSelection();
        calls << QStringLiteral("GetBibleBook %1").arg(s.glngBibleBookID);
        s.gstrBibleBook = books.value(s.glngBibleBookID);
    }
    void GetType() override
    {
        SelectionState &s = ProgramSelection();
        calls << QStringLiteral("GetType %1").arg(s.glngTypeID);
        s.gstrTypeDesc = types.value(s.glngTypeID);
    }
};
