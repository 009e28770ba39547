#pragma once

#include <QString>

// What a recording's file holds, read from its content (never guessed from its name): its
// MIME type, length and size. Only this library calls TagLib.
struct MediaFacts
{
    bool readable = false; // a kind of audio or video file TagLib reads, with its length
    QString mimeType; // "audio/mpeg", "audio/mp4", "video/mp4", "audio/wav" ...
    qint64 milliseconds = 0;
    qint64 bytes = 0;
    QString problem; // why the file could not be read, for the user
};

namespace MediaProbe {

MediaFacts read(const QString &path);

} // namespace MediaProbe
