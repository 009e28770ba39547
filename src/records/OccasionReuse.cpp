#include "OccasionReuse.h"

#include "DbSnapshot.h"
#include "PreachingHistory.h"
#include "ProgramGlobals.h"
#include "RecordValues.h"
#include "SqlLiterals.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

namespace {

// Keeps the later of two uses.
void keepLatest(bool &found, OccasionReuse::Use &kept, const OccasionReuse::Use &use)
{
    if (!found || kept.date < use.date) {
        kept = use;
        found = true;
    }
}

} // namespace

bool OccasionReuse::withinPeriod(const QDateTime &earlier, const QDateTime &date, int years)
{
    if (years <= 0 || !earlier.isValid() || !date.isValid()) {
        return false;
    }
    const QDate day = earlier.date();
    return day >= date.date().addYears(-years) && day <= date.date().addYears(years);
}

bool OccasionReuse::find(qint32 sermonID, const QString &place, const QDateTime &date, int years,
    Finding &finding, DbError &error)
{
    finding = Finding();
    if (years <= 0 || place.trimmed().isEmpty() || !date.isValid()) {
        return true;
    }
    auto counts = [&](const PreachingHistory::Occasion &occasion) {
        return PreachingHistory::samePlace(occasion.place, place)
            && withinPeriod(occasion.date, date, years);
    };

    QList<PreachingHistory::Occasion> own;
    if (!PreachingHistory::read({ sermonID }, own, error)) {
        return false;
    }
    for (const PreachingHistory::Occasion &occasion : own) {
        if (counts(occasion)) {
            keepLatest(finding.sermonPreached, finding.sermon,
                { QString(), occasion.date, occasion.place.trimmed() });
        }
    }

    // The other sermons that share an illustration with this one, and which ones they share.
    const QString sql
        = QStringLiteral("SELECT other.lngSermonID, i.strName FROM tblSermonIllustr mine ")
        + QStringLiteral("JOIN tblSermonIllustr other ON other.lngIllustrID = mine.lngIllustrID ")
        + QStringLiteral("JOIN tblIllustr i ON i.lngIllustrID = mine.lngIllustrID ")
        + QStringLiteral("WHERE mine.lngSermonID = ") + SQLLong(sermonID)
        + QStringLiteral(" AND other.lngSermonID <> ") + SQLLong(sermonID);
    const std::unique_ptr<DbSnapshot> rs = ProgramConnection().openSnapshot(sql, error);
    if (!rs) {
        return false;
    }
    QMultiHash<qint32, QString> sharedBy;
    for (; !rs->eof(); rs->moveNext()) {
        sharedBy.insert(NullToLong(rs->field(0)), NullToText(rs->field(1)));
    }
    if (rs->lastError().isSet()) {
        error = rs->lastError();
        return false;
    }
    QList<PreachingHistory::Occasion> others;
    if (!PreachingHistory::read(sharedBy.uniqueKeys(), others, error)) {
        return false;
    }
    QMap<QString, Use> byName; // sorted by name
    for (const PreachingHistory::Occasion &occasion : others) {
        if (!counts(occasion)) {
            continue;
        }
        const QStringList names = sharedBy.values(occasion.sermonID);
        for (const QString &name : names) {
            bool found = byName.contains(name);
            Use kept = byName.value(name);
            keepLatest(found, kept, { name, occasion.date, occasion.place.trimmed() });
            byName.insert(name, kept);
        }
    }
    finding.illustrations = byName.values();
    return true;
}

QString OccasionReuse::question(const Finding &finding)
{
    QStringList sentences;
    if (finding.sermonPreached) {
        sentences.append(
            QCoreApplication::translate("OccasionReuse", "This sermon was preached at %1 on %2.")
                .arg(finding.sermon.place, DateText(finding.sermon.date)));
    }
    for (const Use &use : finding.illustrations) {
        sentences.append(QCoreApplication::translate(
            "OccasionReuse", "The illustration \"%1\" was used at %2 on %3.")
                             .arg(use.name, use.place, DateText(use.date)));
    }
    sentences.append(QCoreApplication::translate("OccasionReuse", "Record it again?"));
    return sentences.join(QLatin1Char(' '));
}
