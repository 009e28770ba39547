#pragma once

#include "PublishTypes.h"

#include <functional>

// What one publishing did.
struct PublishOutcome
{
    bool ok = false; // every page and feed written (problems with recordings aside)
    bool cancelled = false;
    int sermons = 0;
    int episodes = 0;
    int written = 0; // files written because they were new or changed
    int unchanged = 0;
    int removed = 0; // files of an earlier publishing no longer part of the site
    QStringList problems; // recordings missing or refused, files that could not be written
};

// Writes the website and the podcast feeds for `sermons` into `folder`: index.html, a page
// per sermon, the index pages, podcast.xml and a feed per series, search-index.json, the
// style sheet and script, the picture and the recordings (copied under safe names; web
// addresses linked). A recording that is missing, or whose path is relative or climbs with
// "..", is left out and named in the outcome; the sermon is still published.
namespace SitePublisher {

// `progress` is told (done, total) after each sermon's page and may return false to stop.
PublishOutcome publish(const PublishSite &site, const QList<PublishSermon> &sermons,
    const QString &folder, const std::function<bool(int, int)> &progress = {});

// A recording's file path as publishing takes it: absolute and without "." or ".." segments.
bool isPlainSourcePath(const QString &path);

} // namespace SitePublisher
