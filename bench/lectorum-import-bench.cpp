// lectorum-import-bench: the import of outline files, measured beside plain ways of doing the
// same job in the same run.
//
//   lectorum-import-bench [--files 2000] [--odbc "DSN=...;DATABASE=..."]
//
// Prints: generated files (a third each .docx, .odt and .txt of about 4 KB of text) read into
// review rows on a worker thread, beside reading the same files' bytes with QFile, with the
// longest time the interface thread went without running its timer while the worker read;
// the rows imported on SQLite (and on the server given with --odbc, a database that holds the
// schema) beside a plain INSERT loop in one transaction; a zip bomb's peak memory; and, where
// LibreOffice is installed, old Word files (--doc-files of the generated .txt files saved as
// .doc by it first) read through it in one batch, beside the same files read by catdoc.

#include "BenchMeasure.h"
#include "ConverterRun.h"
#include "DbDatabase.h"
#include "DbSnapshot.h"
#include "DbTransaction.h"
#include "ImportReview.h"
#include "ImportSources.h"
#include "ImportWriter.h"
#include "OfficeConversion.h"
#include "OutlineFileReader.h"
#include "SchemaScript.h"
#include "SqlLiterals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <quazip.h>
#include <quazipfile.h>

namespace {

const char *const Words[] = { "grace", "faith", "hope", "love", "peace", "mercy", "truth", "light",
    "shepherd", "kingdom", "covenant", "promise", "justice", "prayer", "joy" };

QByteArray outlineText(int n)
{
    QByteArray text;
    int w = n;
    while (text.size() < 4000) {
        text += "I. The ";
        for (int i = 0; i < 9; ++i)
            text += QByteArray(Words[(w++ * 7) % 15]) + ' ';
        text += "\n";
    }
    return text;
}

bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &parts)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto &part : parts) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(part.first)))
            return false;
        file.write(part.second);
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QByteArray xmlEscaped(const QByteArray &text)
{
    return QByteArray(text).replace('\n', "</w:t></w:r></w:p><w:p><w:r><w:t>");
}

void generate(const QString &folder, int count)
{
    const QByteArray w = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
    for (int i = 0; i < count; ++i) {
        const QString base = QStringLiteral("%1/2019-%2-%3 Rom %4 1-11 Sermon %5")
                                 .arg(folder)
                                 .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                 .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                 .arg(1 + i % 16)
                                 .arg(i);
        const QByteArray text = outlineText(i);
        if (i % 3 == 0) {
            writeZip(base + QStringLiteral(".docx"),
                { { QStringLiteral("word/document.xml"),
                    "<w:document " + w + "><w:body><w:p><w:r><w:t>" + xmlEscaped(text)
                        + "</w:t></w:r></w:p></w:body></w:document>" } });
        } else if (i % 3 == 1) {
            QByteArray body = text;
            body.replace('\n', "</text:p><text:p>");
            writeZip(base + QStringLiteral(".odt"),
                { { QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text" },
                    { QStringLiteral("content.xml"),
                        "<office:document-content "
                        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">"
                        "<office:body><office:text><text:p>"
                            + body
                            + "</text:p></office:text></office:body></office:document-content>" } });
        } else {
            QFile file(base + QStringLiteral(".txt"));
            if (file.open(QIODevice::WriteOnly))
                file.write(text);
        }
    }
}

// A .docx whose document.xml inflates to `megabytes` MB from a few hundred KB.
void writeZipBomb(const QString &path, int megabytes)
{
    QuaZip zip(path);
    zip.open(QuaZip::mdCreate);
    QuaZipFile file(&zip);
    file.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("word/document.xml")));
    file.write("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
               "main\"><w:body><w:p><w:r><w:t>");
    const QByteArray chunk(qsizetype(1024) * 1024, 'a');
    for (int i = 0; i < megabytes; ++i)
        file.write(chunk);
    file.write("</w:t></w:r></w:p></w:body></w:document>");
    file.close();
    zip.close();
}

struct Read
{
    QList<ImportRow> rows;
    qint64 longestGapMs = 0;
};

// The review's read on a worker thread while this thread runs a 2 ms timer, as the window does.
Read readOnWorker(const ImportReview &review, const QString &folder)
{
    Read out;
    const std::atomic<bool> cancel { false };
    QThread *worker = QThread::create(
        [&] { out.rows = review.readAll(ImportSources::collect({ folder }), {}, cancel, {}); });
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer since;
    tick.setInterval(2);
    QObject::connect(&tick, &QTimer::timeout, &loop,
        [&] { out.longestGapMs = qMax(out.longestGapMs, since.restart()); });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    since.start();
    tick.start();
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    return out;
}

// Old Word files made from the generated text files by LibreOffice (not measured), then read
// as an import reads them: through LibreOffice in one batch, beside catdoc file by file.
void measureOfficeRoute(
    const ImportReview &review, const QTemporaryDir &dir, const QString &folder, int count)
{
    const QString docs = dir.filePath(QStringLiteral("doc"));
    QDir().mkpath(docs);
    QStringList arguments { QStringLiteral("-env:UserInstallation=")
            + QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
        QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("doc"),
        QStringLiteral("--outdir"), docs };
    // The generated text files (the generated documents hold only what the import reads,
    // which is too little for LibreOffice to open).
    const QStringList texts = QDir(folder).entryList({ QStringLiteral("*.txt") }, QDir::Files);
    for (int i = 0; i < count && i < texts.size(); ++i)
        arguments.append(QDir(folder).filePath(texts.at(i)));
    ConverterRun::run(QStringLiteral("soffice"), arguments, QString(), 600000);
    const QList<ImportSource> sources = ImportSources::collect({ docs });
    const std::atomic<bool> cancel { false };
    BenchSeries office;
    BenchSeries catdoc;
    QList<ImportRow> rows;
    office.add(measureStep([&] { rows = review.readAll(sources, {}, cancel, {}); }));
    catdoc.add(measureStep([&] {
        for (const ImportSource &source : sources)
            ImportSources::read(source);
    }));
    const qint64 read = std::count_if(rows.cbegin(), rows.cend(),
        [](const ImportRow &row) { return row.route == u"LibreOffice"; });
    printSeriesRow(
        QStringLiteral("%1 .doc files through LibreOffice (one batch)").arg(sources.size()), office,
        &catdoc,
        QStringLiteral("%1 read through it; %2 files/s")
            .arg(read)
            .arg(office.median() > 0 ? double(sources.size()) * 1000.0 / office.median() : 0.0, 0,
                'f', 1));
}

bool emptyLibrary(DbDatabase &db)
{
    DbError error;
    int affected = 0;
    for (const char *sql :
        { "DELETE FROM tblImportSermons", "DELETE FROM tblImportBatches", "DELETE FROM tblSermons",
            "DELETE FROM tblTableIds WHERE strTableName IN "
            "('tblSermons', 'tblImportBatches')" }) {
        if (!db.execute(QString::fromLatin1(sql), &affected, error))
            return false;
    }
    return true;
}

// The same rows as plain INSERT statements in one transaction, keys counted here.
void plainInserts(DbDatabase &db, const QList<ImportRow> &rows)
{
    DbError error;
    DbTransaction transaction(db);
    transaction.beginWrite(error);
    int affected = 0;
    qint32 key = 1;
    for (const ImportRow &row : rows) {
        db.execute(QStringLiteral("INSERT INTO tblSermons (lngSermonID, lngPreacherID, lngTypeID, "
                                  "lngBibleBookID, strTitle, dtDatePreached, strOutline) VALUES (")
                + SQLLong(key++) + u", 0, 0, " + SQLLong(row.bookID) + u", " + SQLText(row.title)
                + u", " + SQLDate(row.date.startOfDay()) + u", " + SQLText(row.outline) + u")",
            &affected, error);
    }
    transaction.commit(error);
}

void importRows(const QString &engine, DbDatabase &db, const QList<ImportRow> &rows)
{
    BenchSeries product;
    BenchSeries baseline;
    for (int round = 0; round < 3; ++round) {
        emptyLibrary(db);
        product.add(
            measureStep([&] { ImportWriter::write(db, rows, QStringLiteral("bench"), {}); }));
        emptyLibrary(db);
        baseline.add(measureStep([&] { plainInserts(db, rows); }));
    }
    printSeriesRow(
        QStringLiteral("import %1 rows, %2").arg(rows.size()).arg(engine), product, &baseline);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({ QStringLiteral("files"), QStringLiteral("Files to generate."),
        QStringLiteral("N"), QStringLiteral("2000") });
    parser.addOption(
        { QStringLiteral("doc-files"), QStringLiteral("Old Word files for the LibreOffice route."),
            QStringLiteral("N"), QStringLiteral("60") });
    parser.addOption({ QStringLiteral("odbc"),
        QStringLiteral("A server database holding the schema, emptied for each round."),
        QStringLiteral("connect") });
    parser.process(app);
    const int count = parser.value(QStringLiteral("files")).toInt();
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("outlines"));
    QDir().mkpath(folder);
    generate(folder, count);

    DbError error;
    const QString file = dir.filePath(QStringLiteral("bench.mdb"));
    std::unique_ptr<DbDatabase> sqlite = DbDatabase::createFile(file, error);
    if (!sqlite || !SchemaScript::load(*sqlite, false, error)) {
        std::fprintf(stderr, "cannot make the library: %s\n", qPrintable(error.driverText));
        return 1;
    }
    QList<PassageParser::Book> books;
    for (auto rs = sqlite->openSnapshot(
             QStringLiteral("SELECT lngBibleBookID, strBibleBook FROM tblBibleBooks"), error);
         rs && !rs->eof(); rs->moveNext())
        books.append({ NullToLong(rs->field(0)), NullToText(rs->field(1)) });
    ImportReview review(books);

    printFigureHeading(QStringLiteral("Import of %1 generated outline files").arg(count));
    BenchSeries reading;
    BenchSeries plainReading;
    Read read;
    qint64 longestGap = 0;
    for (int round = 0; round < 3; ++round) {
        reading.add(measureStep([&] { read = readOnWorker(review, folder); }));
        longestGap = qMax(longestGap, read.longestGapMs);
        plainReading.add(measureStep([&] {
            for (const ImportSource &s : ImportSources::collect({ folder })) {
                QFile f(s.path);
                if (f.open(QIODevice::ReadOnly))
                    f.readAll();
            }
        }));
    }
    printSeriesRow(QStringLiteral("read into review rows (worker)"), reading, &plainReading);
    printNote(QStringLiteral("longest interface-thread gap while reading (2 ms timer): %1 ms")
                  .arg(longestGap));
    review.refreshStatuses(read.rows);
    importRows(QStringLiteral("SQLite"), *sqlite, read.rows);
    if (parser.isSet(QStringLiteral("odbc"))) {
        std::unique_ptr<DbDatabase> server
            = DbDatabase::openOdbc(parser.value(QStringLiteral("odbc")), error);
        if (server)
            importRows(QStringLiteral("PostgreSQL"), *server, read.rows);
        else
            printNote(QStringLiteral("server not reached: ") + error.driverText);
    }
    const QString bomb = dir.filePath(QStringLiteral("bomb.docx"));
    writeZipBomb(bomb, 400);
    BenchSeries bombRead;
    BenchSeries bombBytes;
    QString refusal;
    bombRead.add(measureStep([&] { refusal = OutlineFileReader::readFile(bomb).error; }));
    bombBytes.add(measureStep([&] {
        QFile f(bomb);
        if (f.open(QIODevice::ReadOnly))
            f.readAll();
    }));
    printSeriesRow(
        QStringLiteral("zip bomb (400 MB of XML in %1 KB)").arg(QFileInfo(bomb).size() / 1024),
        bombRead, &bombBytes, refusal);
    if (OfficeConversion::available())
        measureOfficeRoute(review, dir, folder, parser.value(QStringLiteral("doc-files")).toInt());
    else
        printNote(QStringLiteral("LibreOffice (soffice) is not installed: no .doc line"));
    return 0;
}
