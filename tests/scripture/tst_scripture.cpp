#include "ProgramTranslation.h"
#include "ScriptureFolders.h"
#include "ScriptureService.h"
#include "ScriptureText.h"
#include "SwordLibrary.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

// The Bible text as the program reads it from the installed modules: the mapping of the
// library's books onto each module's versification, ranges, the verse cap, and what the user
// sees when a module is missing, partial or damaged.
class tst_Scripture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsPassages_data();
    void readsPassages();
    void saysWhatIsMissing_data();
    void saysWhatIsMissing();
    void marksParagraphs_data();
    void marksParagraphs();
    void listsVersions();
    void moreVersesLine_data();
    void moreVersesLine();
    void serviceAnswersOffTheInterfaceThread();
};

Q_DECLARE_METATYPE(BiblePassage)

namespace {

BiblePassage passage(int book, const char *name, int bc, int bv, int ec, int ev)
{
    BiblePassage read = BiblePassage::fromSermonColumns(book, bc, bv, ec, ev);
    read.bookName = QString::fromUtf8(name);
    return read;
}

} // namespace

void tst_Scripture::readsPassages_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<BiblePassage>("passage");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("more");
    QTest::addColumn<QString>("firstText"); // the first verse exactly
    QTest::addColumn<QString>("last"); // chapter:verse of the last verse held

    const QString web = QStringLiteral("engWEB2015eb");
    const QString kjv = QStringLiteral("engKJV2006eb");
    // The books 1, 19, 40, 66 by their text: Matthew is the WEB's 57th book (NRSVA puts the
    // deuterocanon between the Testaments). Genesis 1:1 and Matthew 1:1 had a footnote where
    // a space stood; Revelation 22:21's entry carries the WEB's glossary after the verse.
    QTest::newRow("Genesis 1:1") << web << passage(1, "Genesis", 1, 1, 0, 0) << 1 << 0
                                 << "In the beginning, God created the heavens and the earth."
                                 << "1:1";
    QTest::newRow("Psalm 23:1") << web << passage(19, "Psalms", 23, 1, 23, 1) << 1 << 0
                                << "A Psalm by David. Yahweh is my shepherd; I shall lack nothing."
                                << "23:1";
    QTest::newRow("Matthew 1:1 NRSVA")
        << web << passage(40, "Matthew", 1, 1, 1, 1) << 1 << 0
        << "The book of the genealogy of Jesus Christ, the son of David, the son of Abraham."
        << "1:1";
    QTest::newRow("Revelation 22:21")
        << web << passage(66, "Revelation", 22, 21, 22, 21) << 1 << 0
        << "The grace of the Lord Jesus Christ be with all the saints. Amen."
        << "22:21";
    QTest::newRow("Revelation 22:19")
        << web << passage(66, "Revelation", 22, 19, 22, 19) << 1 << 0
        << "If anyone takes away from the words of the book of this prophecy, God will take "
           "away his part from the tree of life, and out of the holy city, which are written in "
           "this book."
        << "22:19";
    QTest::newRow("Matthew 1:1 KJV")
        << kjv << passage(40, "Matthew", 1, 1, 1, 1) << 1 << 0
        << "The book of the generation of Jesus Christ, the son of David, the son of Abraham."
        << "1:1";
    QTest::newRow("across chapters")
        << web << passage(43, "John", 3, 36, 4, 2) << 3 << 0 << QString() << "4:2";
    QTest::newRow("whole chapter")
        << web << passage(19, "Psalms", 119, 0, 0, 0) << 176 << 0 << QString() << "119:176";
    QTest::newRow("whole book capped")
        << web << passage(1, "Genesis", 0, 0, 0, 0) << 200 << 1533 - 200 << QString() << "8:16";
    QTest::newRow("end past the chapter")
        << kjv << passage(65, "Jude", 1, 24, 1, 99) << 2 << 0 << QString() << "1:25";
}

void tst_Scripture::readsPassages()
{
    QFETCH(QString, version);
    QFETCH(BiblePassage, passage);
    QFETCH(int, count);
    QFETCH(int, more);
    QFETCH(QString, firstText);
    QFETCH(QString, last);

    ScriptureFolders folders;
    folders.useSystem();
    SwordLibrary library;
    const ScripturePassage read = library.read(version, passage);
    QVERIFY2(read.ok(), qPrintable(read.message));
    QCOMPARE(read.moduleName, version);
    QCOMPARE(read.verses.size(), count);
    QCOMPARE(read.moreVerses, more);
    if (!firstText.isEmpty()) {
        QCOMPARE(read.verses.first().text, firstText);
    }
    const ScriptureVerse &end = read.verses.last();
    QCOMPARE(QStringLiteral("%1:%2").arg(end.chapter).arg(end.verse), last);
    for (const ScriptureVerse &verse : read.verses) {
        QVERIFY2(!verse.text.contains(QLatin1Char('<')), qPrintable(verse.text));
        QVERIFY2(verse.text.size() < 2000, "a verse carries more than its text");
    }
}

void tst_Scripture::saysWhatIsMissing_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<BiblePassage>("passage");
    QTest::addColumn<QString>("message");

    const BiblePassage matthew = passage(40, "Matthew", 5, 3, 5, 3);
    QTest::newRow("no Bible") << "empty" << matthew << SwordLibrary::noBibleMessage();
    QTest::newRow("version without the New Testament")
        << "kjv-ot-only" << matthew << "KJV does not include Matthew.";
    QTest::newRow("versification without the book")
        << "kjv-leningrad" << matthew << "KJV does not include Matthew.";
    QTest::newRow("chapter the book lacks")
        << "system" << passage(1, "Genesis", 51, 1, 51, 3) << "WEB has no Genesis 51:1–3.";
    QTest::newRow("damaged data")
        << "web-truncated" << matthew
        << "The Bible version engWEB2015eb cannot be read: its file %1/nt.bzz is damaged.";
    QTest::newRow("damaged data, index sound")
        << "web-zeroed" << matthew
        << "The Bible version engWEB2015eb cannot be read: its file %1/nt.bzz is damaged.";
    QTest::newRow("damaged index") << "web-bad-index" << matthew
                                   << "The Bible version engWEB2015eb cannot be read: its file "
                                      "%1/ot.bzs is damaged.";
}

void tst_Scripture::saysWhatIsMissing()
{
    QFETCH(QString, setup);
    QFETCH(BiblePassage, passage);
    QFETCH(QString, message);

    ScriptureFolders folders;
    QString data;
    if (setup == QLatin1String("empty")) {
        folders.useEmpty();
    } else if (setup == QLatin1String("system")) {
        folders.useSystem();
    } else if (setup.startsWith(QLatin1String("kjv"))) {
        data = folders.useCopy(QStringLiteral("engKJV2006eb"));
        if (setup.endsWith(QLatin1String("ot-only"))) {
            for (const char *file : { "/nt.bzs", "/nt.bzv", "/nt.bzz" }) {
                QVERIFY(QFile::remove(data + QLatin1String(file)));
            }
        } else {
            CHECKED_STEP(folders.setVersification(
                QStringLiteral("engKJV2006eb"), QStringLiteral("Leningrad")));
        }
    } else {
        data = folders.useCopy(QStringLiteral("engWEB2015eb"));
        const bool index = setup.endsWith(QLatin1String("index"));
        QFile file(data + (index ? QStringLiteral("/ot.bzs") : QStringLiteral("/nt.bzz")));
        if (setup.endsWith(QLatin1String("zeroed"))) {
            // The same size, its first half overwritten: only unpacking finds it.
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.write(QByteArray(int(file.size() / 2), '\0'));
        } else {
            QVERIFY(file.resize(index ? file.size() - 5 : file.size() / 2));
        }
    }
    SwordLibrary library;
    const ScripturePassage read = library.read(QString(), passage);
    QVERIFY(!read.ok());
    QVERIFY(read.verses.isEmpty());
    QCOMPARE(read.message, message.contains(QLatin1String("%1")) ? message.arg(data) : message);
    // The plain text put into an outline names the passage and says the same.
    QCOMPARE(ScriptureText::plain(read), read.reading + QLatin1Char('\n') + read.message);
}

void tst_Scripture::marksParagraphs_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<BiblePassage>("passage");
    QTest::addColumn<bool>("paragraph");

    // The WEB opens paragraphs with markup, the KJV with a pilcrow in the text.
    QTest::newRow("WEB, opens one")
        << "engWEB2015eb" << passage(66, "Revelation", 22, 21, 22, 21) << true;
    QTest::newRow("WEB, runs on") << "engWEB2015eb" << passage(66, "Revelation", 22, 19, 22, 19)
                                  << false;
    QTest::newRow("KJV, pilcrow") << "engKJV2006eb" << passage(43, "John", 3, 16, 3, 16) << true;
    QTest::newRow("KJV, runs on") << "engKJV2006eb" << passage(43, "John", 3, 17, 3, 17) << false;
}

void tst_Scripture::marksParagraphs()
{
    QFETCH(QString, version);
    QFETCH(BiblePassage, passage);
    QFETCH(bool, paragraph);

    ScriptureFolders folders;
    folders.useSystem();
    const ScripturePassage read = SwordLibrary().read(version, passage);
    QVERIFY2(read.ok(), qPrintable(read.message));
    QCOMPARE(read.verses.first().paragraph, paragraph);
    QVERIFY(read.verses.first().text.front().isLetter());
}

void tst_Scripture::listsVersions()
{
    ScriptureFolders folders;
    folders.useSystem();
    SwordLibrary library;
    QStringList shown;
    for (const BibleVersion &version : library.versions()) {
        shown << version.name + QLatin1Char('|') + version.shortName + QLatin1Char('|')
                + version.description;
    }
    QCOMPARE(shown,
        QStringList({ QStringLiteral("engKJV2006eb|KJV|King James Version"),
            QStringLiteral("engWEB2015eb|WEB|World English Bible with Deuterocanon"),
            QStringLiteral("spaRV1909eb|RV1909|Reina Valera 1909") }));
    QCOMPARE(library.defaultVersion(), QStringLiteral("engWEB2015eb"));
    // With the Spanish interface the Reina-Valera comes first.
    QVERIFY(ProgramTranslation::install(QStringLiteral("es")));
    QCOMPARE(library.defaultVersion(), QStringLiteral("spaRV1909eb"));
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));

    folders.useCopy(QStringLiteral("engKJV2006eb"));
    QCOMPARE(SwordLibrary().defaultVersion(), QStringLiteral("engKJV2006eb"));
}

void tst_Scripture::moreVersesLine_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("more");
    QTest::addColumn<QString>("line");
    QTest::newRow("one") << "en" << 1 << "… and 1 more verse";
    QTest::newRow("many") << "en" << 1333 << "… and 1333 more verses";
    QTest::newRow("uno") << "es" << 1 << "… y 1 versículo más";
    QTest::newRow("muchos") << "es" << 3 << "… y 3 versículos más";
}

void tst_Scripture::moreVersesLine()
{
    QFETCH(QString, language);
    QFETCH(int, more);
    QFETCH(QString, line);
    QVERIFY(ProgramTranslation::install(language));
    const QString shown = ScriptureText::moreLine(more);
    QVERIFY(ProgramTranslation::install(QStringLiteral("en")));
    QCOMPARE(shown, line);
}

void tst_Scripture::serviceAnswersOffTheInterfaceThread()
{
    ScriptureFolders folders;
    folders.useSystem();
    ScriptureService &service = ScriptureService::instance();
    service.restart();
    QSignalSpy answers(&service, &ScriptureService::passageRead);
    const quint64 first = service.request(QString(), passage(43, "John", 3, 16, 3, 16));
    const quint64 second = service.request(QString(), passage(43, "John", 3, 17, 3, 17));
    QVERIFY(answers.wait(10000) || answers.size() > 0);
    QTRY_COMPARE(answers.size(), 2);
    QCOMPARE(answers.at(0).at(0).value<quint64>(), first);
    QCOMPARE(answers.at(1).at(0).value<quint64>(), second);
    const ScripturePassage now = service.readNow(QString(), passage(43, "John", 3, 16, 3, 16));
    QVERIFY(now.verses.first().text.startsWith(QLatin1String("For God so loved the world")));
    service.restart();
}

QTEST_GUILESS_MAIN(tst_Scripture)
#include "tst_scripture.moc"
