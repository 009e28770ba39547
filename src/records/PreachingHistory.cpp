#include "PreachingHistory.h"

#include "DbSnapshot.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QCoreApplication>

bool PreachingHistory::read(
    const QList<qint32> &sermonIDs, QList<Occasion> &occasions, DbError &error)
{
    if (sermonIDs.isEmpty()) {
        return true;
    }
    QStringList keys;
    for (const qint32 key : sermonIDs) {
        keys.append(SQLLong(key));
    }
    const QString in = QStringLiteral(" IN (") + keys.join(QLatin1Char(',')) + QLatin1Char(')');
    const QString sql
        = QStringLiteral(
              "SELECT lngSermonID, dtDatePreached, strLocation FROM tblSermons WHERE lngSermonID")
        + in
        + QStringLiteral(
            " UNION ALL SELECT lngSermonID, dtDatePreached, strLocation FROM tblDateLoc WHERE lngSermonID")
        + in;
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (!rs) {
        return false;
    }
    for (; !rs->eof(); rs->moveNext()) {
        const QDateTime date = DateField(rs->field(1));
        if (date.isValid()) {
            occasions.append({ NullToLong(rs->field(0)), date, NullToText(rs->field(2)) });
        }
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        return false;
    }
    return true;
}

QString PreachingHistory::line(const QList<Occasion> &occasions)
{
    if (occasions.isEmpty()) {
        return {};
    }
    const Occasion *last = &occasions.first();
    for (const Occasion &occasion : occasions) {
        if (last->date < occasion.date) {
            last = &occasion;
        }
    }
    const QString when = DateText(last->date);
    const QString place = last->place.trimmed();
    const int count = int(occasions.size());
    if (place.isEmpty()) {
        return QCoreApplication::translate(
            "PreachingHistory", "Last preached %1; %n time(s) in all", nullptr, count)
            .arg(when);
    }
    return QCoreApplication::translate(
        "PreachingHistory", "Last preached %1 at %2; %n time(s) in all", nullptr, count)
        .arg(when, place);
}

bool PreachingHistory::samePlace(const QString &a, const QString &b)
{
    return QString::compare(a.trimmed(), b.trimmed(), Qt::CaseInsensitive) == 0;
}
