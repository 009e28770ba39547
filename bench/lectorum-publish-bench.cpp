// lectorum-publish-bench: the sermon website and podcast of a generated library of 5,000
// sermons, each with a recording: reading the library, the first publishing, publishing again
// with nothing changed (no file may be rewritten), again after one sermon changed, the feed's
// size and the peak memory of each step.

#include "BenchMeasure.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "LibraryGenerator.h"
#include "PublishSource.h"
#include "SchemaScript.h"
#include "SitePublisher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstring>

namespace {

// A recording of `seconds` of 8 kHz 8-bit silence; the files differ in length so the copies
// are not all alike.
bool writeWav(const QString &path, int seconds)
{
    const quint32 samples = 8000u * quint32(seconds);
    QByteArray wav(44, '\0');
    std::memcpy(wav.data(), "RIFF", 4);
    qToLittleEndian<quint32>(36 + samples, wav.data() + 4);
    std::memcpy(wav.data() + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, wav.data() + 16);
    qToLittleEndian<quint16>(1, wav.data() + 20);
    qToLittleEndian<quint16>(1, wav.data() + 22);
    qToLittleEndian<quint32>(8000, wav.data() + 24);
    qToLittleEndian<quint32>(8000, wav.data() + 28);
    qToLittleEndian<quint16>(1, wav.data() + 32);
    qToLittleEndian<quint16>(8, wav.data() + 34);
    std::memcpy(wav.data() + 36, "data", 4);
    qToLittleEndian<quint32>(samples, wav.data() + 40);
    wav.append(QByteArray(int(samples), char(0x80)));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

void row(const QString &step, const BenchFigure &figure, const PublishOutcome &outcome)
{
    std::printf("%-34s %9.0f ms  %6d written  %6d unchanged  %7.1f MB peak\n", qPrintable(step),
        figure.milliseconds, outcome.written, outcome.unchanged,
        double(figure.peakKilobytes) / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("sermons"), QStringLiteral("Sermons to generate."),
        QStringLiteral("N"), QStringLiteral("5000") });
    parser.process(app);
    const int count = parser.value(QStringLiteral("sermons")).toInt();
    QTemporaryDir dir;
    DbError error;
    const QString file = dir.filePath(QStringLiteral("bench.mdb"));
    std::unique_ptr<DbDatabase> db = DbDatabase::createFile(file, error);
    if (!db || !SchemaScript::load(*db, false, error)
        || !LibraryGenerator(*db).generate(count, error)) {
        std::fprintf(stderr, "cannot make the library: %s\n", qPrintable(error.driverText));
        return 1;
    }
    // Every sermon gets a recording (a date, too: the site publishes the dated ones).
    const QString media = dir.filePath(QStringLiteral("recordings"));
    QDir().mkpath(media);
    db->begin(error);
    int affected = 0;
    for (auto rs = db->openSnapshot(QStringLiteral("SELECT lngSermonID FROM tblSermons WHERE "
                                                   "lngSermonID > 0"),
             error);
         rs && !rs->eof(); rs->moveNext()) {
        const int id = rs->field(0).toInt();
        const QString path = media + QStringLiteral("/Sermon %1.wav").arg(id);
        if (!writeWav(path, 1 + id % 3))
            return 1;
        db->execute(QStringLiteral("INSERT INTO tblRecordings (lngRecordingID, lngSermonID, "
                                   "strSource, strMimeType, lngMilliseconds, lngKilobytes) "
                                   "VALUES (%1, %1, '%2', 'audio/wav', %3, %4)")
                        .arg(id)
                        .arg(path)
                        .arg((1 + id % 3) * 1000)
                        .arg((1 + id % 3) * 8),
            &affected, error);
    }
    db->execute(QStringLiteral("UPDATE tblSermons SET dtDatePreached = '2020-01-05' WHERE "
                               "dtDatePreached IS NULL"),
        &affected, error);
    if (!db->commit(error)) {
        std::fprintf(stderr, "cannot add the recordings: %s\n", qPrintable(error.driverText));
        return 1;
    }

    PublishChoices choices;
    choices.site.title = QStringLiteral("Grace & Truth Church");
    choices.site.description = QStringLiteral("Sunday sermons");
    choices.site.baseUrl = QStringLiteral("https://church.example/sermons/");
    QList<PublishSermon> sermons;
    const BenchFigure read
        = measureStep([&] { PublishSource::readSermons(*db, choices, {}, sermons, error); });
    std::printf("Publishing %lld sermons with a recording each (SQLite library)\n\n",
        qlonglong(sermons.size()));
    std::printf("%-34s %9.0f ms  %7.1f MB peak\n", "read the library", read.milliseconds,
        double(read.peakKilobytes) / 1024.0);
    const QString site = dir.filePath(QStringLiteral("site"));
    PublishOutcome outcome;
    const auto publish = [&] { outcome = SitePublisher::publish(choices.site, sermons, site); };
    const BenchFigure first = measureStep(publish);
    row(QStringLiteral("first publishing"), first, outcome);
    const BenchFigure again = measureStep(publish);
    row(QStringLiteral("again, nothing changed"), again, outcome);
    const bool untouched = outcome.written == 0;
    sermons[sermons.size() / 2].title += QStringLiteral(" (revised)");
    const BenchFigure changed = measureStep(publish);
    row(QStringLiteral("again, one sermon's title changed"), changed, outcome);
    const qint64 feed = QFileInfo(site + QStringLiteral("/podcast.xml")).size();
    std::printf("\npodcast.xml: %.2f MB for %d episodes; search-index.json: %.2f MB\n",
        double(feed) / (1024.0 * 1024.0), outcome.episodes,
        double(QFileInfo(site + QStringLiteral("/search-index.json")).size()) / (1024.0 * 1024.0));
    std::printf("unchanged run rewrote no file: %s\n", untouched ? "yes" : "NO");
    if (!outcome.problems.isEmpty())
        std::printf("problems: %s\n", qPrintable(outcome.problems.first()));
    return 0;
}
