#include "PublishTestData.h"
#include "SiteFolder.h"
#include "SitePublisher.h"
#include "WebText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The website and feeds as files: hostile text stays text in every file, recordings that
// would lead outside are refused, nothing lands outside the folder, and publishing again
// rewrites only what changed.
class tst_SitePublish : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void escapedTextReadsBack_data();
    void escapedTextReadsBack();
    void safeFileNames_data();
    void safeFileNames();
    void hostileText_data();
    void hostileText();
    void recordingRefused_data();
    void recordingRefused();
    void linkInFolderRefused();
    void recordingWithAccentedName();
    void publishAgain();
    void stoppedThenFinished();

private:
    // Every file of the site by its path relative to the site folder.
    QStringList files() const;
    QString site() const { return m_dir->path() + QStringLiteral("/site"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SitePublish::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QStringList tst_SitePublish::files() const
{
    QStringList found;
    QDirIterator it(site(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(site()).relativeFilePath(it.next()));
    found.sort();
    return found;
}

void tst_SitePublish::escapedTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack"); // what an XML or JSON reader gets
    QTest::newRow("plain") << "Peace with God"
                           << "Peace with God";
    QTest::newRow("markup and quotes") << "<script>alert('x & \"y\"')</script>"
                                       << "<script>alert('x & \"y\"')</script>";
    QTest::newRow("right to left and accents") << "שלום – Génesis ‏١٢"
                                               << "שלום – Génesis ‏١٢";
    QTest::newRow("outside the basic plane") << "Praise 🙌 Him"
                                             << "Praise 🙌 Him";
    QTest::newRow("controls XML refuses")
        << QString::fromUtf16(u"bell\u0007 nul-free\u0001 tab\t end")
        << QString::fromUtf16(u"bell nul-free tab\t end");
    QTest::newRow("lone surrogate")
        << QString::fromUtf16(u"half \xD83D here") << QStringLiteral("half  here");
}

void tst_SitePublish::escapedTextReadsBack()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    // In an attribute and in an element, as the pages and the feed put it.
    QXmlStreamReader xml(QStringLiteral("<a t=\"%1\">%1</a>").arg(WebText::escape(text)));
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.attributes().value(QStringLiteral("t")).toString(), readBack);
    QCOMPARE(xml.readElementText(), readBack);
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // A JSON string holds the text as it is, and nothing in it can close a script element.
    const QString json = WebText::json(text);
    QVERIFY(!json.contains(QLatin1Char('<')) && !json.contains(QLatin1Char('>')));
    const QJsonDocument parsed = QJsonDocument::fromJson(QByteArray("[") + json.toUtf8() + "]");
    QVERIFY(parsed.isArray());
    if (!text.contains(QChar(0xD83D)))
        QCOMPARE(parsed.array().first().toString(), text);
}

void tst_SitePublish::safeFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("safe");
    QTest::newRow("spaces and accents") << "Sermón del día 1.mp3"
                                        << "Sermon-del-dia-1.mp3";
    QTest::newRow("climbing") << "../../etc/passwd"
                              << "etc-passwd";
    QTest::newRow("dots only") << ".."
                               << "file";
    QTest::newRow("hidden") << ".htaccess"
                            << "htaccess";
    QTest::newRow("markup") << "<script>.mp3"
                            << "script-.mp3";
    QTest::newRow("other scripts") << "שלום.mp3"
                                   << "mp3";
    QTest::newRow("empty") << ""
                           << "file";
}

void tst_SitePublish::safeFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, safe);
    const QString made = WebText::safeFileName(name);
    QCOMPARE(made, safe);
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]*$"));
    QVERIFY(plain.match(made).hasMatch());
    QVERIFY(SiteFolder::isPlainPath(QStringLiteral("media/") + made));
}

void tst_SitePublish::hostileText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    const QString script = QStringLiteral("<script>alert('x')</script> & \"quoted\"");
    const QString rtl = QStringLiteral("שלום <b>עולם</b> ‏& سلام");
    for (const char *field :
        { "title", "preacher", "series", "topic", "outline", "bigIdea", "location", "site" }) {
        QTest::addRow("%s, script", field) << QString::fromLatin1(field) << script;
        QTest::addRow("%s, right to left", field) << QString::fromLatin1(field) << rtl;
    }
    QTest::newRow("title, control characters")
        << QStringLiteral("title") << QStringLiteral("Bell\a<tab>\x01 & ]]>");
}

void tst_SitePublish::hostileText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    PublishSite values = PublishTestData::site();
    QList<PublishSermon> sermons = PublishTestData::sermons();
    PublishSermon &s = sermons[1];
    if (field == QLatin1String("title"))
        s.title = text;
    else if (field == QLatin1String("preacher"))
        s.preacher = text;
    else if (field == QLatin1String("series"))
        s.series = text;
    else if (field == QLatin1String("topic"))
        s.topics = { text };
    else if (field == QLatin1String("outline"))
        s.outline = QStringLiteral("I. ") + text;
    else if (field == QLatin1String("bigIdea"))
        s.bigIdea = text;
    else if (field == QLatin1String("location"))
        s.occasions.first().location = text;
    else
        values.title = text;
    const PublishOutcome outcome = SitePublisher::publish(values, sermons, site());
    QVERIFY2(outcome.ok, qPrintable(outcome.problems.join(u'\n')));

    // No file holds the markup as markup; the page shows it as text.
    const QString visible
        = text.contains(QLatin1Char('\a')) ? QStringLiteral("&lt;tab&gt;") : QStringLiteral("&lt;");
    bool shown = false;
    for (const QString &name : files()) {
        const QByteArray bytes = PublishTestData::read(site() + u'/' + name);
        QVERIFY2(!bytes.contains("<script>alert"), qPrintable(name));
        QVERIFY2(!bytes.contains("<b>"), qPrintable(name));
        QVERIFY2(!bytes.contains('\a') && !bytes.contains('\x01'), qPrintable(name));
        if (name.endsWith(QLatin1String(".xml"))) {
            QXmlStreamReader xml(bytes);
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(name + u": " + xml.errorString()));
        }
        if (name.endsWith(QLatin1String(".json"))) {
            QJsonParseError error;
            QJsonDocument::fromJson(bytes, &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        }
        if (name == QLatin1String("sermons/12.html"))
            shown = QString::fromUtf8(bytes).contains(visible);
    }
    QVERIFY(shown);
}

void tst_SitePublish::recordingRefused_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("named");
    QTest::newRow("climbs with ..")
        << QStringLiteral("{dir}/audio/../audio/a.wav") << QStringLiteral("refused");
    QTest::newRow("relative") << QStringLiteral("audio/a.wav") << QStringLiteral("refused");
    QTest::newRow("missing") << QStringLiteral("{dir}/audio/gone.wav") << QStringLiteral("missing");
    QTest::newRow("script address")
        << QStringLiteral("javascript:alert(1)") << QStringLiteral("refused");
}

void tst_SitePublish::recordingRefused()
{
    QFETCH(QString, source);
    QFETCH(QString, named);
    QVERIFY(QDir().mkpath(m_dir->path() + QStringLiteral("/audio")));
    QVERIFY(PublishTestData::writeWav(m_dir->path() + QStringLiteral("/audio/a.wav"), 1));
    source.replace(QLatin1String("{dir}"), m_dir->path());
    const PublishOutcome outcome
        = SitePublisher::publish(PublishTestData::site(), PublishTestData::sermons(source), site());
    QCOMPARE(outcome.problems.size(), 1);
    QVERIFY2(outcome.problems.first().contains(named), qPrintable(outcome.problems.first()));
    QVERIFY(outcome.problems.first().contains(source));
    // The sermon is published without it.
    QVERIFY(QFileInfo::exists(site() + QStringLiteral("/sermons/12.html")));
    QVERIFY(!QDir(site() + QStringLiteral("/media")).exists());
    QVERIFY(!PublishTestData::read(site() + QStringLiteral("/podcast.xml")).contains("<enclosure"));
}

void tst_SitePublish::linkInFolderRefused()
{
    const QString outside = m_dir->path() + QStringLiteral("/outside");
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(QDir().mkpath(site()));
    QVERIFY(QFile::link(outside, site() + QStringLiteral("/media")));
    QVERIFY(
        QFile::link(outside + QStringLiteral("/x.html"), site() + QStringLiteral("/index.html")));
    const QString wav = m_dir->path() + QStringLiteral("/a.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    const PublishOutcome outcome
        = SitePublisher::publish(PublishTestData::site(), PublishTestData::sermons(wav), site());
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.problems.size(), 2);
    QVERIFY(QDir(outside).isEmpty());
    QVERIFY(QFileInfo(site() + QStringLiteral("/index.html")).isSymLink());
}

void tst_SitePublish::recordingWithAccentedName()
{
    const QString wav = m_dir->path() + QStringLiteral("/Sermón del día #1.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    const PublishOutcome outcome
        = SitePublisher::publish(PublishTestData::site(), PublishTestData::sermons(wav), site());
    QVERIFY2(outcome.ok, qPrintable(outcome.problems.join(u'\n')));
    QCOMPARE(QDir(site() + QStringLiteral("/media")).entryList(QDir::Files),
        QStringList { QStringLiteral("12-3-Sermon-del-dia-1.wav") });
    const QByteArray feed = PublishTestData::read(site() + QStringLiteral("/podcast.xml"));
    QVERIFY(feed.contains(
        "<enclosure url=\"https://church.example/sermons/media/12-3-Sermon-del-dia-1.wav\" "
        "length=\"8044\" type=\"audio/wav\"/>"));
    QVERIFY(PublishTestData::read(site() + QStringLiteral("/sermons/12.html"))
                .contains("src=\"../media/12-3-Sermon-del-dia-1.wav\""));
}

void tst_SitePublish::publishAgain()
{
    const QString wav = m_dir->path() + QStringLiteral("/a.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    QList<PublishSermon> sermons = PublishTestData::sermons(wav);
    const PublishOutcome first = SitePublisher::publish(PublishTestData::site(), sermons, site());
    QVERIFY2(first.ok, qPrintable(first.problems.join(u'\n')));
    QCOMPARE(first.unchanged, 0);
    const QStringList published = files();
    QVERIFY(published.contains(QStringLiteral("media/12-3-a.wav")));
    // The folder's own parent holds only what the test put there.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList { QStringLiteral("a.wav"), QStringLiteral("site") }));

    // A file of the user's own in the folder is left alone.
    QFile own(site() + QStringLiteral("/robots.txt"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.close();
    const QDateTime pageTime
        = QFileInfo(site() + QStringLiteral("/sermons/11.html")).lastModified();
    QTest::qWait(20); // file times of a rewrite would differ
    const PublishOutcome again = SitePublisher::publish(PublishTestData::site(), sermons, site());
    QCOMPARE(again.written, 0);
    QCOMPARE(again.removed, 0);
    QStringList expected = published + QStringList { QStringLiteral("robots.txt") };
    expected.sort();
    QCOMPARE(files(), expected);

    // One changed title rewrites its page and the pages that list it, not the other sermons.
    sermons[2].title = QStringLiteral("Still Waters, Green Pastures");
    const PublishOutcome changed = SitePublisher::publish(PublishTestData::site(), sermons, site());
    QVERIFY(changed.written > 0);
    QVERIFY(changed.written < first.written / 2);
    QCOMPARE(QFileInfo(site() + QStringLiteral("/sermons/11.html")).lastModified(), pageTime);
    QVERIFY(PublishTestData::read(site() + QStringLiteral("/sermons/13.html"))
                .contains("Still Waters, Green Pastures"));

    // A sermon no longer published loses its page, and its recording its copy.
    sermons.removeAt(1);
    const PublishOutcome fewer = SitePublisher::publish(PublishTestData::site(), sermons, site());
    QVERIFY(fewer.removed >= 2);
    QVERIFY(!QFileInfo::exists(site() + QStringLiteral("/sermons/12.html")));
    QVERIFY(!QFileInfo::exists(site() + QStringLiteral("/media/12-3-a.wav")));
    QVERIFY(QFileInfo::exists(site() + QStringLiteral("/robots.txt")));
}

void tst_SitePublish::stoppedThenFinished()
{
    const QList<PublishSermon> sermons = PublishTestData::sermons();
    int told = 0;
    const PublishOutcome stopped = SitePublisher::publish(
        PublishTestData::site(), sermons, site(), [&told](int done, int total) {
            ++told;
            return done < 1 && total == 3;
        });
    QVERIFY(stopped.cancelled);
    QCOMPARE(told, 1);
    // One page was written whole, and the site's other files wait for the next run.
    QCOMPARE(QDir(site() + QStringLiteral("/sermons")).entryList(QDir::Files).size(), 1);
    QVERIFY(!QFileInfo::exists(site() + QStringLiteral("/index.html")));
    const PublishOutcome finished
        = SitePublisher::publish(PublishTestData::site(), sermons, site());
    QVERIFY(finished.ok && !finished.cancelled);
    QCOMPARE(finished.unchanged, 1);
    QCOMPARE(QDir(site() + QStringLiteral("/sermons")).entryList(QDir::Files).size(), 3);
}

QTEST_GUILESS_MAIN(tst_SitePublish)
#include "tst_sitepublish.moc"
