#include "ConverterRun.h"
#include "ImportLimits.h"
#include "ImportSources.h"
#include "ImportTestFiles.h"
#include "OutlineFileReader.h"
#include "ProgramTranslation.h"

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
    void initTestCase() { QVERIFY(ProgramTranslation::install()); }
    void formats_data();
    void formats();
    void badInput_data();
    void badInput();
    void converters_data();
    void converters();
    void folderWalk();
    void zipEntryLimit();

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

// Lists as Word numbers them: levels through numbering.xml, "%1.%2" texts, a restart
// below a higher level, a second list continuing the first's abstract numbering, a start
// override, a bullet from a symbol font carried by a paragraph style, a definition that links
// to a list style (counting on with that style's own list); hidden runs, field
// codes and the fallback copy of a text box left out.
const QByteArray WordNumbering
    = "<w:abstractNum w:abstractNumId=\"0\">"
      "<w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"upperRoman\"/>"
      "<w:lvlText w:val=\"%1.\"/></w:lvl>"
      "<w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/>"
      "<w:lvlText w:val=\"%1.%2\"/></w:lvl>"
      "<w:lvl w:ilvl=\"2\"><w:start w:val=\"1\"/><w:numFmt w:val=\"lowerLetter\"/>"
      "<w:lvlText w:val=\"%3)\"/></w:lvl></w:abstractNum>"
      "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:numFmt w:val=\"bullet\"/>"
      "<w:lvlText w:val=\"\xEF\x82\xB7\"/></w:lvl></w:abstractNum>"
      "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
      "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"0\"/><w:lvlOverride w:ilvl=\"0\">"
      "<w:startOverride w:val=\"4\"/></w:lvlOverride></w:num>"
      "<w:num w:numId=\"3\"><w:abstractNumId w:val=\"1\"/></w:num>"
      "<w:num w:numId=\"4\"><w:abstractNumId w:val=\"0\"/></w:num>"
      "<w:abstractNum w:abstractNumId=\"5\"><w:numStyleLink w:val=\"Points\"/></w:abstractNum>"
      "<w:abstractNum w:abstractNumId=\"6\"><w:styleLink w:val=\"Points\"/><w:lvl w:ilvl=\"0\">"
      "<w:start w:val=\"1\"/><w:numFmt w:val=\"upperLetter\"/><w:lvlText w:val=\"(%1)\"/>"
      "</w:lvl></w:abstractNum><w:num w:numId=\"6\"><w:abstractNumId w:val=\"6\"/></w:num>"
      "<w:num w:numId=\"5\"><w:abstractNumId w:val=\"5\"/></w:num>"
      "<w:abstractNum w:abstractNumId=\"7\"><w:lvl w:ilvl=\"0\"><w:lvlText w:val=\"%1.\"/>"
      "</w:lvl><w:lvl w:ilvl=\"1\"><w:lvlRestart w:val=\"0\"/><w:numFmt w:val=\"lowerRoman\"/>"
      "<w:lvlText w:val=\"%2.\"/></w:lvl></w:abstractNum>"
      "<w:num w:numId=\"7\"><w:abstractNumId w:val=\"7\"/></w:num>";
const QByteArray WordStyles
    = "<w:style w:type=\"paragraph\" w:styleId=\"Title\"><w:name w:val=\"Title\"/></w:style>"
      "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
      "</w:style><w:style w:type=\"paragraph\" w:styleId=\"MyHead\"><w:name w:val=\"Mine\"/>"
      "<w:basedOn w:val=\"Heading2\"/></w:style>"
      "<w:style w:type=\"paragraph\" w:styleId=\"Point\"><w:name w:val=\"Point\"/><w:pPr>"
      "<w:numPr><w:numId w:val=\"3\"/></w:numPr></w:pPr></w:style>"
      "<w:style w:type=\"numbering\" w:styleId=\"Points\"><w:pPr><w:numPr>"
      "<w:numId w:val=\"6\"/></w:numPr></w:pPr></w:style>";

QByteArray item(const QByteArray &text, int numId, int ilvl)
{
    return para(text,
        "<w:numPr><w:ilvl w:val=\"" + QByteArray::number(ilvl) + "\"/><w:numId w:val=\""
            + QByteArray::number(numId) + "\"/></w:numPr>");
}

const QByteArray WordListBody = para("Saved by Grace", "<w:pStyle w:val=\"Title\"/>")
    + para("Intro", "<w:pStyle w:val=\"MyHead\"/>") + item("Grace", 1, 0) + item("Given", 1, 1)
    + item("freely", 1, 2) + item("fully", 1, 2) + item("Received", 1, 1) + item("again", 1, 2)
    + item("Faith", 4, 0) + item("Works", 2, 0) + para("point", "<w:pStyle w:val=\"Point\"/>")
    + item("linked", 5, 0) + item("styled", 6, 0) + item("one", 7, 0) + item("i", 7, 1)
    + item("two", 7, 0) + item("never restarted", 7, 1)
    + para("Outline level", "<w:outlineLvl w:val=\"1\"/>")
    + "<w:p><w:r><w:t>Shown</w:t></w:r><w:r><w:rPr><w:vanish/></w:rPr><w:t> hidden</w:t>"
      "</w:r></w:p><w:p><w:r><w:rPr><w:vanish/></w:rPr><w:t>all hidden</w:t></w:r></w:p>"
      "<w:p><w:del><w:r><w:delText>all deleted</w:delText></w:r></w:del></w:p>"
      "<w:p><w:r><w:t>Anchor</w:t></w:r><w:r><mc:AlternateContent xmlns:mc=\"urn:mc\">"
      "<mc:Choice><w:drawing><w:txbxContent>"
    + para("Box text") + "</w:txbxContent></w:drawing></mc:Choice><mc:Fallback><w:pict>"
    + "<w:txbxContent>" + para("Box text")
    + "</w:txbxContent></w:pict></mc:Fallback></mc:AlternateContent></w:r></w:p>"
      "<w:p><w:r><w:t xml:space=\"preserve\">Page </w:t></w:r><w:r><w:fldChar "
      "w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r><w:r>"
      "<w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>1</w:t></w:r><w:r><w:fldChar "
      "w:fldCharType=\"end\"/></w:r></w:p>";

// Lists as Writer numbers them: a list style's levels with prefixes and suffixes, levels shown
// together, a header without a number, a list continuing another, a start value, a bullet
// (whose suffix Writer does not print), hidden text, a text box after its paragraph, headings
// numbered by the outline numbering.
const QByteArray OdtStyles
    = "<text:list-style style:name=\"L1\">"
      "<text:list-level-style-number text:level=\"1\" style:num-format=\"1\" "
      "style:num-suffix=\".\"/><text:list-level-style-number text:level=\"2\" "
      "style:num-format=\"a\" style:num-prefix=\"(\" style:num-suffix=\")\"/>"
      "<text:list-level-style-number text:level=\"3\" style:num-format=\"1\" "
      "style:num-suffix=\".\" text:display-levels=\"3\"/></text:list-style>"
      "<text:list-style style:name=\"L2\"><text:list-level-style-bullet text:level=\"1\" "
      "text:bullet-char=\"–\" style:num-suffix=\".\"/></text:list-style>"
      "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties "
      "text:display=\"none\"/></style:style><style:style style:name=\"P1\" "
      "style:family=\"paragraph\" style:parent-style-name=\"Title\"/>"
      "<text:outline-style style:name=\"Outline\"><text:outline-level-style text:level=\"1\" "
      "style:num-format=\"1\" style:num-suffix=\".\"/><text:outline-level-style "
      "text:level=\"2\" style:num-format=\"1\" text:display-levels=\"2\"/>"
      "</text:outline-style>";
const QByteArray OdtListBody
    = "<text:p text:style-name=\"P1\">The Title</text:p>"
      "<text:list text:style-name=\"L1\"><text:list-item><text:p>One</text:p><text:list>"
      "<text:list-item><text:p>sub</text:p><text:list><text:list-item><text:p>deep</text:p>"
      "</text:list-item></text:list></text:list-item></text:list></text:list-item>"
      "<text:list-header><text:p>unnumbered</text:p></text:list-header>"
      "<text:list-item><text:p>Two</text:p><text:p>more of two</text:p></text:list-item>"
      "</text:list><text:p>Between<text:span text:style-name=\"T1\"> hidden</text:span></text:p>"
      "<text:p><text:span text:style-name=\"T1\">all hidden</text:span></text:p>"
      "<text:list text:style-name=\"L1\" text:continue-numbering=\"true\"><text:list-item>"
      "<text:p>Three</text:p></text:list-item></text:list>"
      "<text:list text:style-name=\"L1\"><text:list-item text:start-value=\"7\"><text:p>Seven"
      "</text:p></text:list-item></text:list><text:list text:style-name=\"L2\"><text:list-item>"
      "<text:p>dash</text:p></text:list-item></text:list>"
      "<text:p>Anchor<draw:frame><draw:text-box><text:p>In the box</text:p></draw:text-box>"
      "</draw:frame> goes on</text:p>"
      "<text:list text:style-name=\"L1\"><text:list-item><text:h text:outline-level=\"1\">"
      "<text:number>§ 1</text:number>Numbered heading</text:h></text:list-item></text:list>"
      "<text:h text:outline-level=\"1\">Part</text:h><text:h text:outline-level=\"2\">Sub</text:h>"
      "<text:h text:outline-level=\"1\">Part two</text:h>";

// The zip with every entry's inflated size in its local and central headers set to 1 KB: a
// reader that trusted them would inflate without a limit.
QByteArray understated(QByteArray zip)
{
    const auto put32 = [&zip](qsizetype at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            zip[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    for (qsizetype at = 0; (at = zip.indexOf("PK\x03\x04", at)) >= 0; at += 4)
        put32(at + 22, 1024);
    for (qsizetype at = 0; (at = zip.indexOf("PK\x01\x02", at)) >= 0; at += 4)
        put32(at + 24, 1024);
    return zip;
}

} // namespace

void tst_ImportReaders::formats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");

    const QString greek = QStringLiteral("Χάρις\r\nκαὶ εἰρήνη");
    QTest::newRow("UTF-8, CRLF kept")
        << "a.txt" << greek.toUtf8() << greek << QString() << QString();
    QTest::newRow("UTF-8 with BOM")
        << "b.md" << QByteArray("\xEF\xBB\xBF") + greek.toUtf8() << greek << QString() << QString();
    QByteArray le("\xFF\xFE"), be("\xFE\xFF");
    for (const QChar c : greek) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16 LE with BOM") << "c.txt" << le << greek << QString() << QString();
    QTest::newRow("UTF-16 BE with BOM") << "d.TXT" << be << greek << QString() << QString();
    QTest::newRow("Windows-1252") << "e.txt" << QByteArray("caf\xE9 \x93said\x94 \x80 5\n")
                                  << QStringLiteral("café “said” € 5\n") << QString() << QString();
    QTest::newRow("docx") << "f.docx"
                          << zipBytes(docx(WordBody, WordNotes, QStringLiteral("Romans Five")))
                          << QStringLiteral("Peace with God\nJustified by faith\nAccess[1]\n"
                                            "Verse\nPoint\n\nNotes\n[1] See Eph 2:18.")
                          << QStringLiteral("Romans Five") << QStringLiteral("Peace with God");
    QTest::newRow("docx lists")
        << "f2.docx" << zipBytes(docx(WordListBody, {}, {}, WordNumbering, WordStyles))
        << QStringLiteral("Saved by Grace\nIntro\nI. Grace\n\tI.1 Given\n\t\ta) freely\n"
                          "\t\tb) fully\n\tI.2 Received\n\t\ta) again\nII. Faith\nIV. Works\n"
                          "• point\n(A) linked\n(B) styled\n1. one\n\ti. i\n2. two\n"
                          "\tii. never restarted\nOutline level\nShown\nAnchor\n"
                          "Box text\nPage 1")
        << QString() << QStringLiteral("Saved by Grace");
    QTest::newRow("odt") << "g.odt" << zipBytes(odt(OdtBody, QStringLiteral("Hope Returns")))
                         << QStringLiteral("Hope\n\tSuffering  produces\nLove[1] poured\nA\nB"
                                           "\n\nNotes\n[1] Rom 5:5")
                         << QStringLiteral("Hope Returns") << QStringLiteral("Hope");
    QTest::newRow("odt lists") << "g2.odt" << zipBytes(odt(OdtListBody, {}, OdtStyles))
                               << QStringLiteral(
                                      "The Title\n1. One\n\t(a) sub\n\t\t1.a.1. deep\n"
                                      "unnumbered\n2. Two\nmore of two\nBetween\n"
                                      "3. Three\n7. Seven\n– dash\nAnchor goes on\n"
                                      "In the box\n§ 1 Numbered heading\n1. Part\n1.1 Sub\n"
                                      "2. Part two")
                               << QString() << QStringLiteral("The Title");
    QTest::newRow("rtf: characters, lists, hidden, notes")
        << "h.rtf"
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252\\uc1{\\fonttbl{\\f0 Arial;}}{\\colortbl;"
               "\\red0\\green0\\blue0;}{\\info{\\title Grace}{\\author Me}}{\\stylesheet{"
               "\\s0 Normal;}{\\s1 heading 1;}}{\\s1 Saved by Grace\\par}\\pard God\\rquote "
               "s \\'93unmerited\\'94 favour \\u8212? \\u967?\\u940?\\u961?\\u953?\\u962?"
               "{\\v hidden} {\\deleted gone}\\par{\\v all hidden}\\par{\\*\\bkmkstart x}{\\pict abcdef}"
               "{\\listtext 1.\\tab}\\ls1\\ilvl0 First\\par{\\listtext\\tab a)\\tab}\\ls1"
               "\\ilvl1 Sub\\par\\pard Note{\\super\\chftn}{\\*\\footnote\\chftn A note.}"
               "\\par}")
        << QStringLiteral("Saved by Grace\nGod’s “unmerited” favour — χάρις\n1. First\n\ta) Sub\n"
                          "Note[1]\n\nNotes\n[1] A note.")
        << QStringLiteral("Grace") << QStringLiteral("Saved by Grace");
    QTest::newRow("rtf: a code page, a typed mark, a table, a text box")
        << "i.rtf"
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par"
                      "{\\pard\\li720\\fi-360 a.\\tx360\\tab Not of works\\par}"
                      "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A\\cell B\\cell\\row"
                      "\\pard Anchor{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 255}}{\\shptxt "
                      "\\pard Boxed\\par}}{\\shprslt{\\*\\do Boxed}}} text\\par}")
        << QStringLiteral("Привет\n\ta. Not of works\nA\nB\nAnchor text\nBoxed") << QString()
        << QString();
}

void tst_ImportReaders::formats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    const QString path = m_dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    for (const ImportedDocument &doc :
        { OutlineFileReader::readFile(path), OutlineFileReader::readBytes(name, bytes) }) {
        QVERIFY2(doc.ok(), qPrintable(doc.error));
        QCOMPARE(doc.text.trimmed(), text.trimmed());
        QCOMPARE(doc.titleProperty, title);
        QCOMPARE(doc.firstHeading, heading);
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
                              << zipBytes(
                                     docx(para("x") + QByteArray(qsizetype(60) * 1024 * 1024, ' ')))
                              << "past 50 MB (refused)";
    // The same with headers that say 1 KB: inflated no further than that, its checksum fails.
    QTest::newRow("XML bomb whose headers understate it")
        << "i2.docx"
        << understated(zipBytes(docx(para("x") + QByteArray(qsizetype(60) * 1024 * 1024, ' '))))
        << "word/document.xml is damaged";
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
    const ImportedDocument fromDisk = ImportSources::read({ path, {}, name, {}, {}, {} });
    QVERIFY2(fromDisk.error.contains(reason), qPrintable(fromDisk.error));
}

void tst_ImportReaders::converters_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing converter")
        << "lectorum-no-such-converter" << QStringList() << "install the package catdoc";
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
        = ConverterRun::run(program, arguments, QStringLiteral("catdoc"), 1000);
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

// A zip of more outline files than an import takes from one: the rest are left out, and a
// row says how many.
void tst_ImportReaders::zipEntryLimit()
{
    Parts parts;
    for (int i = 0; i < ImportLimits::ZipFiles + 3; ++i)
        parts.append({ QStringLiteral("o%1.txt").arg(i), "x" });
    const QString path = m_dir.filePath(QStringLiteral("many.zip"));
    QVERIFY(writeZip(path, parts));
    const QList<ImportSource> sources = ImportSources::collect({ path });
    QCOMPARE(sources.size(), ImportLimits::ZipFiles + 1);
    QCOMPARE(ImportSources::read(sources.first()).text, QStringLiteral("x"));
    QCOMPARE(ImportSources::read(sources.last()).error,
        QStringLiteral("3 more outline files in the zip left out: an import takes 20000 from one "
                       "zip"));
}

QTEST_GUILESS_MAIN(tst_ImportReaders)
#include "tst_importreaders.moc"
