#include "DataGrid.h"
#include "PrintCommands.h"
#include "PrintJob.h"
#include "QtUserInterface.h"
#include "ScreenTestReset.h"
#include "UserInterface.h"
#include "frmMain.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

// One word of a PDF as pdftotext -bbox reports it: the page and the height of its box,
// which grows with the font size.
struct PdfWord
{
    int page = 0;
    QString text;
    double height = 0;
};

QList<PdfWord> pdfWords(const QString &file)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), file, QStringLiteral("-") });
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append({ page, match.captured(5),
            match.captured(4).toDouble() - match.captured(2).toDouble() });
    }
    return words;
}

int pdfPages(const QString &file)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { file, QStringLiteral("-") });
    tool.waitForFinished(30000);
    // Every page ends with a form feed.
    return int(tool.readAllStandardOutput().count('\f'));
}

QString pdfText(const QString &file)
{
    QProcess tool;
    tool.start(
        QStringLiteral("pdftotext"), { QStringLiteral("-layout"), file, QStringLiteral("-") });
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

double heightOf(const QList<PdfWord> &words, const QString &text)
{
    for (const PdfWord &word : words) {
        if (word.text == text)
            return word.height;
    }
    return 0;
}

QStringList lineTexts(const PrintJob &job)
{
    QStringList texts;
    for (const PrintJob::Line &line : job.lines())
        texts.append(line.text);
    return texts;
}

} // namespace

class tst_Print : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void piecesBreakIntoLines_data();
    void piecesBreakIntoLines();
    void emptyOutlineIsTwoEmptyLines();
    void outlineInTheChosenFont();
    void listHeadingAndAtMost499Rows();
    void blankFirstColumnEndsTheList();
    void longIllustrationBreaksOntoFurtherPages();
    void unwritableFolderIsReported();

private:
    // A screen in the main window's work area holding one named control.
    template <typename Control>
    Control *openSource(const char *screenName, const char *controlName);
    // The PDF file the last command wrote, as the message told the user.
    QString writtenFile() const;

    QTemporaryDir m_home;
    std::unique_ptr<frmMain> m_main;
};

void tst_Print::initTestCase()
{
    QVERIFY(m_home.isValid());
    // The documents folder of a user of its own, so the files land nowhere else.
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/.config")).toLocal8Bit());
    UserInterface::install(&QtUserInterface::instance());
    PrintJob::setIgnorePrinters(true);
}

void tst_Print::init()
{
    ScreenTestReset::begin();
    m_main = std::make_unique<frmMain>();
    RegisterPrintCommands(*m_main);
}

void tst_Print::cleanup()
{
    ScreenTestReset::verifyScriptConsumed();
    m_main.reset();
    ScreenTestReset::verifyNothingOpen();
}

template <typename Control>
Control *tst_Print::openSource(const char *screenName, const char *controlName)
{
    auto *screen = new QWidget;
    screen->setObjectName(QLatin1String(screenName));
    auto *control = new Control(screen);
    control->setObjectName(QLatin1String(controlName));
    (new QVBoxLayout(screen))->addWidget(control);
    m_main->openScreen(screen);
    return control;
}

QString tst_Print::writtenFile() const
{
    const QStringList shown = MsgBoxScript::shown();
    if (shown.size() != 1)
        return {};
    const QString prefix
        = QStringLiteral("No printer is set up, so the pages were saved as a PDF file:\n");
    if (!shown.first().startsWith(prefix))
        return {};
    return shown.first().mid(prefix.size());
}

void tst_Print::piecesBreakIntoLines_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two breaks") << "\r\n\r\n" << QStringList { "", "" };
    QTest::newRow("breaks of every kind")
        << "\r\n\r\nOne\nTwo\rThree" << QStringList { "", "", "One", "Two", "Three" };
    QTest::newRow("a final break ends the last line") << "Amen\r\n" << QStringList { "Amen" };
    QTest::newRow("nothing") << "" << QStringList {};
}

void tst_Print::piecesBreakIntoLines()
{
    QFETCH(QString, piece);
    QFETCH(QStringList, lines);
    PrintJob job;
    job.print(piece);
    QCOMPARE(lineTexts(job), lines);
}

void tst_Print::emptyOutlineIsTwoEmptyLines()
{
    PrintJob job;
    ComposeSermonOutline(job, QString(), QString(), 8);
    QCOMPARE(lineTexts(job), (QStringList { "", "" }));

    openSource<QPlainTextEdit>("frmNotes", "txtOutline");
    m_main->runCommand(QStringLiteral("mnuPSermon"));
    const QString file = writtenFile();
    QVERIFY2(QFileInfo(file).isFile(), qPrintable(MsgBoxScript::shown().join('|')));
    QCOMPARE(
        QFileInfo(file).absolutePath(), QDir(m_home.path()).filePath(QStringLiteral("Documents")));
    QCOMPARE(pdfPages(file), 1);
    QVERIFY(pdfText(file).trimmed().isEmpty());
}

void tst_Print::outlineInTheChosenFont()
{
    // Calibration: the same word at 8 and at 14 points.
    PrintJob reference;
    reference.setFontSize(8);
    reference.print(QStringLiteral("Small"));
    reference.setFontSize(14);
    reference.print(QStringLiteral("Large"));
    QVERIFY(reference.end(QStringLiteral("Reference")));
    const QList<PdfWord> sizes = pdfWords(writtenFile());
    const double small = heightOf(sizes, QStringLiteral("Small"));
    const double large = heightOf(sizes, QStringLiteral("Large"));
    QVERIFY(small > 0 && large > small);
    MsgBoxScript::clear();

    // The notes window shows the outline in 8 points; the check marks say 14.
    auto *outline = openSource<QPlainTextEdit>("frmNotes", "txtOutline");
    outline->setPlainText(QStringLiteral("Grace abounds\nSecond point"));
    m_main->runCommand(QStringLiteral("mnuDFont14"));
    m_main->runCommand(QStringLiteral("mnuDFontCour"));
    m_main->runCommand(QStringLiteral("mnuPSermon"));
    const QList<PdfWord> words = pdfWords(writtenFile());
    QCOMPARE(words.size(), 4);
    QCOMPARE(words.at(0).text, QStringLiteral("Grace"));
    QCOMPARE(words.at(3).text, QStringLiteral("point"));
    for (const PdfWord &word : words)
        QVERIFY2(qAbs(word.height - large) < 0.25 * large, qPrintable(word.text));

    PrintJob job;
    ComposeSermonOutline(
        job, outline->toPlainText(), m_main->outlineFontName(), m_main->outlineFontSize());
    QCOMPARE(job.lines().last().fontName, QStringLiteral("Courier New"));
    QCOMPARE(job.lines().last().pointSize, 14.0);
}

void tst_Print::listHeadingAndAtMost499Rows()
{
    auto *grid = openSource<DataGrid>("frmSermon", "grdSermons");
    grid->setCols(4);
    grid->setRows(1);
    for (int col = 0; col < 4; ++col)
        grid->setText(0, col, QStringList { "ID#", "Reference", "Preacher", "Title" }.at(col));
    for (int id = 1; id <= 600; ++id)
        grid->addItem(QStringLiteral("%1\tJohn 3:%1\tSmith\tSermon%1").arg(id));
    m_main->runCommand(QStringLiteral("mnuPList"));
    const QString file = writtenFile();
    const QList<PdfWord> words = pdfWords(file);
    QVERIFY(!words.isEmpty());
    QCOMPARE(words.first().text, QStringLiteral("ID#"));
    const double heading = heightOf(words, QStringLiteral("Reference"));
    const double row = heightOf(words, QStringLiteral("Sermon1"));
    QVERIFY(row > 0);
    QVERIFY2(qAbs(heading / row - 14.0 / 8.0) < 0.15, qPrintable(QString::number(heading / row)));
    QStringList titles;
    for (const PdfWord &word : words) {
        if (word.text.startsWith(QLatin1String("Sermon")))
            titles.append(word.text);
    }
    QCOMPARE(titles.size(), 499);
    QCOMPARE(titles.last(), QStringLiteral("Sermon499"));
    QVERIFY(pdfPages(file) > 1);
}

void tst_Print::blankFirstColumnEndsTheList()
{
    DataGrid grid;
    grid.setCols(4);
    grid.setRows(1);
    grid.setText(0, 0, QStringLiteral("ID#"));
    grid.addItem(QStringLiteral("1\tPs 23\tSmith\tShepherd"));
    grid.addItem(QStringLiteral(" \t\t\t"));
    grid.addItem(QStringLiteral("3\tPs 24\tSmith\tKing"));
    PrintJob job;
    ComposeSermonList(job, grid);
    QCOMPARE(
        lineTexts(job), (QStringList { "", "", "", "ID#      ", "", "1  Ps 23  Smith  Shepherd" }));
    QCOMPARE(job.lines().at(3).pointSize, 14.0);
    QCOMPARE(job.lines().at(5).pointSize, 8.0);
    QCOMPARE(job.lines().at(5).fontName, QString());
}

void tst_Print::longIllustrationBreaksOntoFurtherPages()
{
    QStringList paragraphs;
    for (int n = 1; n <= 150; ++n)
        paragraphs.append(QStringLiteral("Line%1").arg(n));
    // One paragraph far wider than a page: it continues on the next lines, not cut off.
    QStringList wide;
    for (int n = 1; n <= 60; ++n)
        wide.append(QStringLiteral("wide%1").arg(n));
    paragraphs.insert(75, wide.join(QLatin1Char(' ')));
    auto *text = openSource<QPlainTextEdit>("frmIllustr", "txtIllustration");
    text->setPlainText(paragraphs.join(QLatin1Char('\n')));
    m_main->runCommand(QStringLiteral("mnuPIllustration"));
    const QString file = writtenFile();
    QVERIFY(pdfPages(file) > 1);
    QStringList printed;
    for (const PdfWord &word : pdfWords(file))
        printed.append(word.text);
    QCOMPARE(printed, paragraphs.join(QLatin1Char(' ')).split(QLatin1Char(' ')));
}

void tst_Print::unwritableFolderIsReported()
{
    // A home folder that cannot exist (a plain file stands in the path): neither the
    // documents folder nor the home folder takes the file. The user is told; nothing crashes.
    QTemporaryDir scratch;
    QFile blocker(scratch.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("HOME", blocker.fileName().toLocal8Bit() + "/home");
    openSource<QPlainTextEdit>("frmIllustr", "txtIllustration")
        ->setPlainText(QStringLiteral("Text"));
    m_main->runCommand(QStringLiteral("mnuPIllustration"));
    qputenv("HOME", m_home.path().toLocal8Bit());
    QCOMPARE(MsgBoxScript::shown().size(), 1);
    QVERIFY(MsgBoxScript::shown().first().startsWith(
        QStringLiteral("The pages could not be written to the file:\n")));
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
