#include "PublishTestData.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

bool PublishTestData::writeWav(const QString &path, int seconds)
{
    const quint32 rate = 8000;
    const quint32 samples = rate * quint32(seconds);
    QByteArray wav("RIFF");
    put32(wav, 36 + samples);
    wav.append("WAVEfmt ");
    put32(wav, 16);
    put16(wav, 1); // PCM
    put16(wav, 1); // mono
    put32(wav, rate);
    put32(wav, rate); // bytes per second
    put16(wav, 1); // block align
    put16(wav, 8); // bits per sample
    wav.append("data");
    put32(wav, samples);
    wav.append(QByteArray(int(samples), char(0x80))); // 8-bit silence is the middle value
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

PublishSite PublishTestData::site()
{
    PublishSite site;
    site.title = QStringLiteral("Grace & Truth Church");
    site.description = QStringLiteral("Sunday sermons from Grace & Truth.");
    site.author = QStringLiteral("Grace & Truth Church");
    site.baseUrl = QStringLiteral("https://church.example/sermons/");
    return site;
}

QList<PublishSermon> PublishTestData::sermons(const QString &recording)
{
    PublishSermon first;
    first.id = 11;
    first.title = QStringLiteral("The Shepherd's Psalm");
    first.preacher = QStringLiteral("Anna Pérez");
    first.occasions
        = { { QDateTime(QDate(2023, 5, 7), QTime(10, 0)), QStringLiteral("Main hall") } };
    first.passage = QStringLiteral("Psalm 23:1-6");
    first.book = QStringLiteral("Psalms");
    first.bookOrder = 19;
    first.chapter = 23;
    first.verse = 1;
    first.bigIdea = QStringLiteral("The Lord provides.");
    first.series = QStringLiteral("Psalms of Trust");
    first.topics = { QStringLiteral("Comfort"), QStringLiteral("Provision") };
    first.outline = QStringLiteral("I. The Lord is my shepherd\nA. He leads\nB. He restores\n\n"
                                   "II. Goodness and mercy follow\n- forever");

    PublishSermon second = first;
    second.id = 12;
    second.title = QStringLiteral("Peace with God");
    second.preacher = QStringLiteral("John Smith");
    second.occasions = { { QDateTime(QDate(2024, 1, 7), QTime(0, 0)), QStringLiteral("Chapel") },
        { QDateTime(QDate(2024, 3, 3), QTime(0, 0)), QStringLiteral("Retreat") } };
    second.passage = QStringLiteral("Romans 5:1-11");
    second.book = QStringLiteral("Romans");
    second.bookOrder = 45;
    second.chapter = 5;
    second.series = QStringLiteral("Romans");
    second.topics = { QStringLiteral("Justification") };
    second.outline = QStringLiteral("I. Justified by faith\nII. Reconciled through the cross");
    if (!recording.isEmpty()) {
        PublishRecording r;
        r.id = 3;
        r.source = recording;
        r.mimeType = QStringLiteral("audio/wav");
        r.bytes = QFileInfo(recording).size();
        r.milliseconds = 1000;
        second.recordings = { r };
    }

    PublishSermon third = first;
    third.id = 13;
    third.title = QStringLiteral("Still Waters");
    third.occasions = { { QDateTime(QDate(2024, 2, 4), QTime(0, 0)), QString() } };
    third.chapter = 23;
    third.verse = 2;
    third.outline = QStringLiteral("Rest is a gift\nbeside the quiet lake");
    return { first, second, third };
}

QByteArray PublishTestData::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
