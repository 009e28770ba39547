#pragma once

#include "PublishTypes.h"

class SitePage;

// The page of one sermon: its facts (each linking to its index page), the big idea, a player
// and a download link per recording, the passage's text where it may be published, and the
// outline with its points indented by the preacher's own markers.
namespace SermonPage {

QString body(
    const SitePage &page, const PublishSermon &sermon, const QList<PublishedRecording> &recordings);

// The index pages' paths ("series/the-psalms-3f9a1c.html"); empty text gives no page.
QString seriesPath(const QString &series);
QString bookPath(const QString &book);
QString preacherPath(const QString &preacher);
QString topicPath(const QString &topic);
QString yearPath(int year);

} // namespace SermonPage
