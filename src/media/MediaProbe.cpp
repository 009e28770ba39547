#include "MediaProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tfilestream.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MediaProbe", text);
}

// An MP4 file is audio when its brand says so (iTunes' M4A and M4B, the audio-only profile);
// otherwise it may hold pictures, and podcast apps should offer it as video.
QString mp4Type(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("video/mp4");
    const QByteArray head = file.read(12);
    const QByteArray brand = head.mid(8, 4);
    if (brand == "M4A " || brand == "M4B " || brand == "M4P " || brand == "F4A ")
        return QStringLiteral("audio/mp4");
    return QStringLiteral("video/mp4");
}

// The file's kind, by what its content says, with TagLib's reader for it. The kinds whose
// detection is strictest come first; MPEG audio, which is found by a frame sync anywhere in
// the first bytes, last.
std::unique_ptr<TagLib::File> open(TagLib::IOStream *stream, const QString &path, QString &type)
{
    using namespace TagLib;
    const auto properties = AudioProperties::Accurate;
    if (RIFF::WAV::File::isSupported(stream)) {
        type = QStringLiteral("audio/wav");
        return std::make_unique<RIFF::WAV::File>(stream, true, properties);
    }
    if (RIFF::AIFF::File::isSupported(stream)) {
        type = QStringLiteral("audio/aiff");
        return std::make_unique<RIFF::AIFF::File>(stream, true, properties);
    }
    if (FLAC::File::isSupported(stream)) {
        type = QStringLiteral("audio/flac");
        return std::make_unique<FLAC::File>(
            stream, ID3v2::FrameFactory::instance(), true, properties);
    }
    if (Ogg::Opus::File::isSupported(stream)) {
        type = QStringLiteral("audio/ogg");
        return std::make_unique<Ogg::Opus::File>(stream, true, properties);
    }
    if (Ogg::Vorbis::File::isSupported(stream)) {
        type = QStringLiteral("audio/ogg");
        return std::make_unique<Ogg::Vorbis::File>(stream, true, properties);
    }
    if (Ogg::FLAC::File::isSupported(stream)) {
        type = QStringLiteral("audio/ogg");
        return std::make_unique<Ogg::FLAC::File>(stream, true, properties);
    }
    if (Ogg::Speex::File::isSupported(stream)) {
        type = QStringLiteral("audio/ogg");
        return std::make_unique<Ogg::Speex::File>(stream, true, properties);
    }
    if (MP4::File::isSupported(stream)) {
        type = mp4Type(path);
        return std::make_unique<MP4::File>(stream, true, properties);
    }
    if (ASF::File::isSupported(stream)) {
        type = QStringLiteral("audio/x-ms-wma");
        return std::make_unique<ASF::File>(stream, true, properties);
    }
    if (MPEG::File::isSupported(stream)) {
        type = QStringLiteral("audio/mpeg");
        return std::make_unique<MPEG::File>(
            stream, ID3v2::FrameFactory::instance(), true, properties);
    }
    return nullptr;
}

} // namespace

MediaFacts MediaProbe::read(const QString &path)
{
    MediaFacts facts;
    const QFileInfo info(path);
    if (!info.isFile()) {
        facts.problem = tr("The file %1 is missing.").arg(path);
        return facts;
    }
    facts.bytes = info.size();
    TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
    if (!stream.isOpen()) {
        facts.problem = tr("The file %1 cannot be opened.").arg(path);
        return facts;
    }
    QString type;
    const std::unique_ptr<TagLib::File> file = open(&stream, path, type);
    if (!file || !file->isValid() || !file->audioProperties()) {
        facts.problem = tr("%1 is not an audio or video file that can be read.").arg(path);
        return facts;
    }
    facts.mimeType = type;
    facts.milliseconds = file->audioProperties()->lengthInMilliseconds();
    if (facts.milliseconds <= 0) {
        facts.problem = tr("The length of %1 cannot be read.").arg(path);
        return facts;
    }
    facts.readable = true;
    return facts;
}
