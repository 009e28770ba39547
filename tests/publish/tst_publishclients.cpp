#include "PublishTestData.h"
#include "SitePublisher.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// The published site read by the programs that will read it: the feed by Python's feedparser
// (as gPodder reads feeds), every page by tidy, and the pages by headless Chromium with its
// scripts: the index lists the sermons, the player reports the recording's length, the search
// finds a sermon by a word of its outline. tools/test.sh (which CI runs) installs the three
// (tools/install-deps.sh) and sets LECTORUM_REQUIRE_CLIENTS, so a missing one fails there; a
// suite run by hand on a machine without one skips, naming the package to install.
class tst_PublishClients : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void feedparser();
    void tidy_data();
    void tidy();
    void chromium_data();
    void chromium();

private:
    // The program, or a skip (a failure in CI) naming the Debian package.
    static QString tool(const QString &name);
    QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);

    QTemporaryDir m_dir;
    QString m_site;
    QString m_python;
};

QString tst_PublishClients::tool(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name, { QStringLiteral("/usr/bin") });
    if (!found.isEmpty())
        return found;
    return QStandardPaths::findExecutable(name);
}

QString tst_PublishClients::run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput())
        + QString::fromUtf8(process.readAllStandardError());
}

void tst_PublishClients::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Debian's own Python, which python3-feedparser serves (a PATH may lead to another one).
    m_python = tool(QStringLiteral("python3"));
    int importable = -1;
    if (!m_python.isEmpty())
        run(m_python, { QStringLiteral("-c"), QStringLiteral("import feedparser") }, &importable);
    QStringList missing;
    if (importable != 0)
        missing.append(QStringLiteral("python3-feedparser"));
    if (tool(QStringLiteral("tidy")).isEmpty())
        missing.append(QStringLiteral("tidy"));
    if (tool(QStringLiteral("chromium")).isEmpty())
        missing.append(QStringLiteral("chromium"));
    if (!missing.isEmpty()) {
        const QString why = QStringLiteral("needs the Debian packages %1 (tools/install-deps.sh)")
                                .arg(missing.join(QStringLiteral(", ")));
        if (qEnvironmentVariableIsSet("CI")
            || qEnvironmentVariableIsSet("LECTORUM_REQUIRE_CLIENTS"))
            QFAIL(qPrintable(why));
        QSKIP(qPrintable(why));
    }
    const QString wav = m_dir.path() + QStringLiteral("/Predigt über Psalm 23.wav");
    QVERIFY(PublishTestData::writeWav(wav, 1));
    m_site = m_dir.path() + QStringLiteral("/site");
    PublishSite site = PublishTestData::site();
    site.imagePath = QString();
    const PublishOutcome outcome
        = SitePublisher::publish(site, PublishTestData::sermons(wav), m_site);
    QVERIFY2(outcome.ok, qPrintable(outcome.problems.join(u'\n')));
}

void tst_PublishClients::feedparser()
{
    const QString script = QStringLiteral(
        "import feedparser, json, sys\n"
        "f = feedparser.parse(sys.argv[1])\n"
        "print(json.dumps({'bozo': bool(f.bozo), 'error': str(f.get('bozo_exception', '')),\n"
        "  'title': f.feed.get('title'), 'image': f.feed.get('image', {}).get('href'),\n"
        "  'entries': [{'title': e.get('title'), 'author': e.get('author'),\n"
        "    'duration': e.get('itunes_duration'), 'guid': e.get('id'),\n"
        "    'published': e.get('published_parsed') is not None,\n"
        "    'enclosures': [{'href': x.get('href'), 'length': x.get('length'),\n"
        "                    'type': x.get('type')} for x in e.get('enclosures', [])]}\n"
        "    for e in f.entries]}))\n");
    int exitCode = -1;
    const QString out = run(m_python,
        { QStringLiteral("-c"), script, m_site + QStringLiteral("/podcast.xml") }, &exitCode);
    QCOMPARE(exitCode, 0);
    const QJsonObject feed = QJsonDocument::fromJson(out.toUtf8()).object();
    QVERIFY2(!feed.value(QStringLiteral("bozo")).toBool(), qPrintable(out));
    QCOMPARE(
        feed.value(QStringLiteral("title")).toString(), QStringLiteral("Grace & Truth Church"));
    const QJsonArray entries = feed.value(QStringLiteral("entries")).toArray();
    QCOMPARE(entries.size(), 3);
    // Newest first: the recorded sermon of January 2024 is second after February's.
    QStringList guids;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        QVERIFY(entry.value(QStringLiteral("published")).toBool());
        guids.append(entry.value(QStringLiteral("guid")).toString());
    }
    QCOMPARE(QSet<QString>(guids.cbegin(), guids.cend()).size(), 3);
    const QJsonObject recorded = entries.at(1).toObject();
    QCOMPARE(recorded.value(QStringLiteral("title")).toString(), QStringLiteral("Peace with God"));
    QCOMPARE(recorded.value(QStringLiteral("author")).toString(), QStringLiteral("John Smith"));
    QCOMPARE(recorded.value(QStringLiteral("duration")).toString(), QStringLiteral("1"));
    const QJsonArray enclosures = recorded.value(QStringLiteral("enclosures")).toArray();
    QCOMPARE(enclosures.size(), 1);
    const QJsonObject enclosure = enclosures.first().toObject();
    QCOMPARE(enclosure.value(QStringLiteral("href")).toString(),
        QStringLiteral("https://church.example/sermons/media/12-3-Predigt-uber-Psalm-23.wav"));
    QCOMPARE(enclosure.value(QStringLiteral("length")).toString(), QStringLiteral("8044"));
    QCOMPARE(enclosure.value(QStringLiteral("type")).toString(), QStringLiteral("audio/wav"));
    QCOMPARE(entries.at(0).toObject().value(QStringLiteral("enclosures")).toArray().size(), 0);
}

void tst_PublishClients::tidy_data()
{
    QTest::addColumn<QString>("page");
    QDirIterator it(
        m_site, { QStringLiteral("*.html") }, QDir::Files, QDirIterator::Subdirectories);
    QStringList pages;
    while (it.hasNext())
        pages.append(QDir(m_site).relativeFilePath(it.next()));
    pages.sort();
    for (const QString &page : std::as_const(pages))
        QTest::newRow(qPrintable(page)) << page;
}

void tst_PublishClients::tidy()
{
    QFETCH(QString, page);
    int exitCode = -1;
    const QString out = run(tool(QStringLiteral("tidy")),
        { QStringLiteral("-e"), QStringLiteral("-q"), m_site + u'/' + page }, &exitCode);
    // 0: neither errors nor warnings.
    QVERIFY2(exitCode == 0, qPrintable(out));
}

void tst_PublishClients::chromium_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("index lists the sermons")
        << QStringLiteral("index.html")
        << QStringList { QStringLiteral("Still Waters"), QStringLiteral("Peace with God"),
               QStringLiteral("The Shepherd's Psalm") };
    QTest::newRow("player reports the length") << QStringLiteral(
        "sermons/12.html") << QStringList { QStringLiteral("data-reported-duration=\"1.00\"") };
    QTest::newRow("search by a word of the outline")
        << QStringLiteral("search.html?q=Reconciled")
        << QStringList { QStringLiteral("1 sermon found"), QStringLiteral(">Peace with God</a>") };
    QTest::newRow("search by preacher and passage")
        << QStringLiteral("search.html?q=P%C3%A9rez%20psalm%2023")
        << QStringList { QStringLiteral("2 sermons found"), QStringLiteral(">Still Waters</a>") };
}

void tst_PublishClients::chromium()
{
    QFETCH(QString, page);
    QFETCH(QStringList, shown);
    const QString profile = m_dir.path() + QStringLiteral("/chromium-")
        + QString::number(QDateTime::currentMSecsSinceEpoch());
    int exitCode = -1;
    const QString out = run(tool(QStringLiteral("chromium")),
        { QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
            QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--allow-file-access-from-files"),
            QStringLiteral("--autoplay-policy=no-user-gesture-required"),
            // Lets the page's script and the player's metadata finish before the dump.
            QStringLiteral("--virtual-time-budget=10000"),
            QStringLiteral("--user-data-dir=") + profile, QStringLiteral("--dump-dom"),
            QUrl::fromLocalFile(m_site + u'/').toString() + page },
        &exitCode);
    QCOMPARE(exitCode, 0);
    for (const QString &text : shown)
        QVERIFY2(
            out.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + out.left(4000)));
}

QTEST_GUILESS_MAIN(tst_PublishClients)
#include "tst_publishclients.moc"
