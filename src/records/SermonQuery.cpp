#include "SermonQuery.h"

SermonQuery SermonQuery::everything()
{
    SermonQuery query;
    query.kind = Kind::Everything;
    return query;
}

SermonQuery SermonQuery::byPreacher(qint32 preacherID)
{
    SermonQuery query;
    query.kind = Kind::Checklist;
    query.preacher = { true, preacherID };
    return query;
}

SermonQuery SermonQuery::bySeries(qint32 seriesID)
{
    SermonQuery query;
    query.kind = Kind::Checklist;
    query.series = { true, seriesID };
    return query;
}

SermonQuery SermonQuery::byPassage(const QString &reference)
{
    SermonQuery query;
    query.kind = Kind::Passage;
    query.passage = reference;
    return query;
}

SermonQuery SermonQuery::onPassageOf(qint32 sermonID)
{
    SermonQuery query;
    query.kind = Kind::Passage;
    query.passageOfSermon = sermonID;
    return query;
}

SermonQuery SermonQuery::bySermons(const QList<qint32> &sermonIDs)
{
    SermonQuery query;
    query.kind = Kind::Sermons;
    query.sermonIDs = sermonIDs;
    return query;
}
