#include "ImportReview.h"
#include "ImportSources.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Outlines written by real word processors (LibreOffice Writer and pandoc, see
// tools/make-import-corpus.sh): every file of tests/data/import is read as the import reads it
// and compared with the outline written by hand beside it (NAME.EXT.expected: "Title:",
// "Passage:" and "Date:" lines, a blank line, then the outline exactly). A .doc file is read
// through LibreOffice where it is installed, else by catdoc (NAME.doc.catdoc.expected).
class tst_ImportCorpus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void corpus_data();
    void corpus();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ImportReview> m_review;
};

namespace {

QString corpusFolder()
{
    return QStringLiteral(LECTORUM_IMPORT_CORPUS);
}

QString readUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

void tst_ImportCorpus::initTestCase()
{
    // The library's 66 books, for the passages.
    m_db = std::make_unique<TestDatabase>(TestEnvironment::Engine::SQLite);
    QVERIFY2(m_db->isReady(), qPrintable(m_db->reason()));
    m_review = std::make_unique<ImportReview>(PassageParser::libraryBooks());
}

void tst_ImportCorpus::corpus_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(corpusFolder());
    const QStringList files = dir.entryList({ QStringLiteral("*.docx"), QStringLiteral("*.odt"),
                                                QStringLiteral("*.doc"), QStringLiteral("*.rtf") },
        QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 7);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void tst_ImportCorpus::corpus()
{
    QFETCH(QString, file);
    const QString path = corpusFolder() + QLatin1Char('/') + file;
    const ImportSource source { path, {}, file, {}, QDateTime(QDate(2001, 2, 3), QTime(4, 5)), {} };
    const std::atomic<bool> cancel { false };
    const QList<ImportRow> rows = m_review->readAll({ source }, {}, cancel, {});
    QCOMPARE(rows.size(), 1);
    const ImportRow &row = rows.first();
    QVERIFY2(row.status != ImportRow::Status::Unreadable, qPrintable(row.reason));
    // A .doc read by catdoc (no LibreOffice here) has no list numbers: its own expectation.
    const QString expected = readUtf8(path
        + (row.route == u"catdoc" ? QStringLiteral(".catdoc.expected")
                                  : QStringLiteral(".expected")));
    QVERIFY2(!expected.isEmpty(), "no expected outline beside the file");
    const qsizetype split = expected.indexOf(QStringLiteral("\n\n"));
    QVERIFY(split > 0);
    QStringList facts = expected.left(split).split(QLatin1Char('\n'));
    const QString outline = expected.mid(split + 2).chopped(expected.endsWith(u'\n') ? 1 : 0);

    if (row.outline != outline)
        qWarning().noquote() << "read:\n" << row.outline;
    QCOMPARE(row.outline, outline);
    QCOMPARE(QStringList(
                 { QStringLiteral("Title: ") + row.title, QStringLiteral("Passage: ") + row.passage,
                     QStringLiteral("Date: ") + row.date.toString(Qt::ISODate) }),
        facts);
}

QTEST_GUILESS_MAIN(tst_ImportCorpus)
#include "tst_importcorpus.moc"
