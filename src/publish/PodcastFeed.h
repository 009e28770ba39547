#pragma once

#include "PublishTypes.h"

#include <QByteArray>
#include <QList>

// A podcast feed: RSS 2.0 with the iTunes tags Apple's and Spotify's directories require and
// the Podcasting 2.0 ones (podcast:guid, podcast:locked, podcast:person). Every sermon is an
// episode; a sermon with recordings is one episode per recording, each with its enclosure
// (address, byte length, type), its length and a guid that stays the same as long as the
// recording is in the library. Nothing in it depends on the hour of publishing, so an
// unchanged library gives the same bytes.
struct PodcastEpisode
{
    const PublishSermon *sermon = nullptr;
    PublishedRecording recording; // id 0: a sermon without recordings
};

namespace PodcastFeed {

// `feedPath` is the feed's own path in the site ("podcast.xml", "series/x.xml"); `coverPath`
// the picture's (empty when there is none). Episodes are given newest first.
QByteArray document(const PublishSite &site, const QString &title, const QString &feedPath,
    const QString &coverPath, const QList<PodcastEpisode> &episodes);

} // namespace PodcastFeed
