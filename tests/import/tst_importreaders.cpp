#include "ConverterRun.h"
#include "ImportSources.h"
#include "ImportTestFiles.h"
#include "OutlineFileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ImportTestFiles;

// Every kind of outline file the import reads, every encoding of a text file, every kind of
// hostile or broken file, and the walk over folders and zips. The documents are made here.
class tst_ImportReaders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formats_data();
    void formats();
    void badInput_data();
    void badInput();
    void converters_data();
    void converters();
    void folderWalk();

private:
    QTemporaryDir m_dir;
};

namespace {

QByteArray para(const QByteArray &text, const QByteArray &props = {})
{
    return "<w:p><w:pPr>" + props + "</w:pPr><w:r><w:t xml:space=\"preserve\">" + text
        + "</w:t></w:r></w:p>";
}

const QByteArray WordBody = para("Peace with God", "<w:pStyle w:val=\"Heading1\"/>")
    + para("Justified by faith", "<w:numPr><w:ilvl w:val=\"1\"/></w:numPr>")
    + "<w:p><w:r><w:t>Access</w:t></w:r><w:r><w:footnoteReference w:id=\"1\"/></w:r>"
      "<w:del><w:r><w:delText>gone</w:delText></w:r></w:del></w:p>"
      "<w:tbl><w:tr><w:tc>"
    + para("Verse") + "</w:tc><w:tc>" + para("Point") + "</w:tc></w:tr></w:tbl>";
const QByteArray WordNotes = "<w:footnote w:type=\"separator\" w:id=\"0\">" + para("----")
    + "</w:footnote><w:footnote w:id=\"1\">" + para("See Eph 2:18.") + "</w:footnote>";

const QByteArray OdtBody = "<text:h text:outline-level=\"2\">Hope</text:h>"
                           "<text:list><text:list-item><text:list><text:list-item>"
                           "<text:p>Suffering<text:s text:c=\"2\"/>produces</text:p>"
                           "</text:list-item></text:list></text:list-item></text:list>"
                           "<text:p>Love<text:note><text:note-citation>1</text:note-citation>"
                           "<text:note-body><text:p>Rom 5:5</text:p></text:note-body></text:note>"
                           " poured</text:p><table:table><table:table-row><table:table-cell>"
                           "<text:p>A</text:p></table:table-cell><table:table-cell><text:p>B"
                           "</text:p></table:table-cell></table:table-row></table:table>";

} // namespace

void tst_ImportReaders::formats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    const QString greek = QStringLiteral("Χάρις\r\nκαὶ εἰρήνη");
    QTest::newRow("UTF-8, CRLF kept") << "a.txt" << greek.toUtf8() << greek << QString();
    QTest::newRow("UTF-8 with BOM")
        << "b.md" << QByteArray("\xEF\xBB\xBF") + greek.toUtf8() << greek << QString();
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (const QChar c : greek) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16 LE with BOM") << "c.txt" << le << greek << QString();
    QTest::newRow("UTF-16 BE with BOM") << "d.TXT" << be << greek << QString();
    QTest::newRow("Windows-1252") << "e.txt" << QByteArray("caf\xE9 \x93said\x94 \x80 5\n")
                                  << QStringLiteral("café “said” € 5\n") << QString();
    QTest::newRow("docx") << "f.docx"
                          << zipBytes(docx(WordBody, WordNotes, QStringLiteral("Romans Five")))
                          << QStringLiteral("Peace with God\n\tJustified by faith\nAccess[1]\n"
                                            "Verse\tPoint\n\n[1] See Eph 2:18.")
                          << QStringLiteral("Romans Five");
    QTest::newRow("odt") << "g.odt" << zipBytes(odt(OdtBody, QStringLiteral("Hope Returns")))
                         << QStringLiteral("\tHope\n\tSuffering  produces\nLove[1] poured\nA\tB"
                                           "\n\n[1] Rom 5:5")
                         << QStringLiteral("Hope Returns");
    QTest::newRow("rtf through unrtf")
        << "h.rtf" << QByteArray("{\\rtf1\\ansi{\\fonttbl\\f0 Arial;}\\f0 Peace with God\\par}")
        << QStringLiteral("Peace with God") << QString();
}

void tst_ImportReaders::formats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    const QString path = m_dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    for (const ImportedDocument &doc :
        { OutlineFileReader::readFile(path), OutlineFileReader::readBytes(name, bytes) }) {
        QVERIFY2(doc.ok(), qPrintable(doc.error));
        QCOMPARE(doc.text.trimmed(), text.trimmed());
        QCOMPARE(doc.titleProperty, title);
    }
}

void tst_ImportReaders::badInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray good = zipBytes(docx(para("Text")));
    QTest::newRow("empty") << "a.txt" << QByteArray() << "the file is empty";
    QTest::newRow("blank text") << "b.txt" << QByteArray(" \r\n\t") << "holds no text";
    QTest::newRow("not a zip") << "c.docx" << QByteArray("PK\x03\x04 not really")
                               << "not a zip file";
    QTest::newRow("truncated docx") << "d.docx" << good.left(good.size() - 30) << "zip";
    QTest::newRow("docx without a body")
        << "e.docx" << zipBytes({ { QStringLiteral("x.xml"), "<a/>" } })
        << "has no part word/document.xml";
    QTest::newRow("odt without content")
        << "f.odt" << zipBytes({ { QStringLiteral("mimetype"), "x" } })
        << "has no part content.xml";
    QTest::newRow("DTD and entities")
        << "g.docx"
        << zipBytes({ { QStringLiteral("word/document.xml"),
               "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
               "\"&a;&a;&a;&a;&a;&a;&a;&a;\">]><d>&b;&b;&b;</d>" } })
        << "declares a DTD or entities (refused)";
    QTest::newRow("broken XML") << "h.odt"
                                << zipBytes({ { QStringLiteral("content.xml"), "<a><b></a>" } })
                                << "not well-formed XML";
    // 60 MB of blanks inside the body inflate from a few dozen kilobytes.
    QTest::newRow("XML bomb") << "i.docx"
                              << zipBytes(docx(para("x") + QByteArray(60 * 1024 * 1024, ' ')))
                              << "past 50 MB (refused)";
    QTest::newRow("unknown kind") << "j.pdf" << QByteArray("%PDF-1.4") << "not a kind of file";
}

void tst_ImportReaders::badInput()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const ImportedDocument doc = OutlineFileReader::readBytes(name, bytes);
    QVERIFY(!doc.ok());
    QVERIFY2(doc.error.contains(reason), qPrintable(doc.error));
    const QString path = m_dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    const ImportedDocument fromDisk = ImportSources::read({ path, {}, name, {}, {} });
    QVERIFY2(fromDisk.error.contains(reason), qPrintable(fromDisk.error));
}

void tst_ImportReaders::converters_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing converter")
        << "lectorum-no-such-converter" << QStringList() << "install the package unrtf";
    QTest::newRow("hanging converter") << "sleep" << QStringList { "30" } << "(stopped)";
    QTest::newRow("failing converter") << "false" << QStringList() << "could not read the file";
}

void tst_ImportReaders::converters()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QElapsedTimer clock;
    clock.start();
    const ConverterRun::Result r
        = ConverterRun::run(program, arguments, QStringLiteral("unrtf"), 1000);
    QVERIFY2(r.error.contains(reason), qPrintable(r.error));
    QVERIFY(clock.elapsed() < 5000);
}

void tst_ImportReaders::folderWalk()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("Romans/.drafts")) && root.mkpath(QStringLiteral(".trash")));
    QVERIFY(writeFile(root.filePath(QStringLiteral("a.txt")), "A"));
    QVERIFY(writeFile(root.filePath(QStringLiteral(".hidden.txt")), "H"));
    QVERIFY(writeFile(root.filePath(QStringLiteral(".trash/t.txt")), "T"));
    QVERIFY(writeFile(root.filePath(QStringLiteral("Romans/.drafts/d.txt")), "D"));
    QVERIFY(writeFile(root.filePath(QStringLiteral("Romans/notes.pdf")), "P"));
    QVERIFY(writeZip(root.filePath(QStringLiteral("Romans/b.docx")), docx(para("B"))));
    QVERIFY(writeZip(root.filePath(QStringLiteral("old.zip")),
        { { QStringLiteral("Psalms/c.txt"), "C" }, { QStringLiteral("__x/.d.txt"), "D" },
            { QStringLiteral("e.exe"), "E" } }));
    // A loop and a link to a file: neither is followed.
    QVERIFY(QFile::link(dir.path(), root.filePath(QStringLiteral("Romans/loop"))));
    QVERIFY(QFile::link(
        root.filePath(QStringLiteral("a.txt")), root.filePath(QStringLiteral("link.txt"))));

    QStringList found;
    for (const ImportSource &s : ImportSources::collect({ dir.path() }))
        found.append(s.displayName + QLatin1Char('@') + s.folderName + QLatin1Char('=')
            + ImportSources::read(s).text);
    found.sort();
    QCOMPARE(found,
        QStringList({ "Romans/b.docx@Romans=B", "a.txt@" + root.dirName() + "=A",
            "old.zip/Psalms/c.txt@Psalms=C" }));
}

QTEST_GUILESS_MAIN(tst_ImportReaders)
#include "tst_importreaders.moc"
