#pragma once

#include "PublishTypes.h"

#include <QByteArray>
#include <QString>

// Sermons and recordings for the publishing suites, made by the tests themselves.
namespace PublishTestData {

// A valid WAV file of `seconds` of silence (8 kHz, 8-bit mono), written to `path`.
bool writeWav(const QString &path, int seconds);
// The site the suites publish ("https://church.example/sermons/").
PublishSite site();
// Three sermons in two series by two preachers over two years; the second has `recording`
// (when not empty) as its one recording of `bytes` and one second.
QList<PublishSermon> sermons(const QString &recording = {});
// The bytes of a file, empty when it cannot be read.
QByteArray read(const QString &path);

} // namespace PublishTestData
