// Backup benchmark: how long a backup, a check and a restore of a generated library take and
// how much memory they need, beside a plain file copy of the same library.
//
//   lectorum-backup-bench [--sizes 100000] [--data DIR]
//
// Libraries are made once with lectorum-mkdb --generate into DIR (build/bench-data) and
// shared with lectorum-bench. Prints figures; never fails on timing.

#include "BenchLibrary.h"
#include "BenchMeasure.h"
#include "LibraryBackup.h"
#include "LibraryCheck.h"
#include "LibraryRestore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void printRow(const char *step, const BenchFigure &figure, qint64 bytes)
{
    const double seconds = figure.milliseconds / 1000.0;
    std::printf("  %-34s %10.1f ms %9.1f MB/s %9.1f MB peak\n", step, figure.milliseconds,
        seconds > 0 ? double(bytes) / 1048576.0 / seconds : 0.0,
        double(figure.peakKilobytes) / 1024.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({ QStringLiteral("sizes"), QStringLiteral("Library sizes"),
        QStringLiteral("list"), QStringLiteral("100000") });
    parser.addOption({ QStringLiteral("data"), QStringLiteral("Folder of generated libraries"),
        QStringLiteral("dir"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data") });
    parser.process(app);

    int status = 0;
    for (const QString &sizeText : parser.value(QStringLiteral("sizes")).split(QLatin1Char(','))) {
        const int size = sizeText.trimmed().toInt();
        TargetDatabase target;
        if (!BenchLibrary::prepare(
                QStringLiteral("sqlite"), size, parser.value(QStringLiteral("data")), target)) {
            std::printf("%d sermons: %s\n", size, qPrintable(target.problem));
            status = 1;
            continue;
        }
        QTemporaryDir scratch(
            QFileInfo(target.file).absolutePath() + QStringLiteral("/backup-bench-XXXXXX"));
        const QString library = scratch.filePath(QStringLiteral("lectorum.mdb"));
        QFile::copy(target.file, library);
        const qint64 bytes = QFileInfo(library).size();
        std::printf("\nSQLite, %d sermons, %.1f MB\n", size, double(bytes) / 1048576.0);

        const BenchFigure copy = measureStep(
            [&] { QFile::copy(library, scratch.filePath(QStringLiteral("plain-copy.mdb"))); });
        printRow("plain file copy (baseline)", copy, bytes);

        LibraryBackup::Outcome outcome;
        const BenchFigure backup = measureStep([&] {
            outcome = LibraryBackup::backUp(library, scratch.filePath(QStringLiteral("backups")),
                QDateTime::currentDateTime(), {});
        });
        if (!outcome.ok) {
            std::printf("  backup failed: %s\n", qPrintable(outcome.message));
            status = 1;
            continue;
        }
        printRow("backup (copy, check, sync, rename)", backup, bytes);

        QString error;
        const BenchFigure pagesOnly = measureStep([&] {
            LibraryBackup::copyDatabase(
                library, scratch.filePath(QStringLiteral("pages.mdb")), error);
        });
        printRow("  of which the page copy", pagesOnly, bytes);

        LibraryCheck::Report report;
        const BenchFigure check = measureStep([&] { report = LibraryCheck::run(library); });
        printRow("Check Database", check, bytes);

        LibraryRestore::Outcome restored;
        const BenchFigure restore = measureStep([&] {
            restored = LibraryRestore::restore(outcome.path, library, QDateTime::currentDateTime());
        });
        printRow(restored.ok ? "restore (verify, copy, rename)" : "restore FAILED", restore, bytes);
        std::printf("  backup / plain copy: %.2fx; check found %d problems\n",
            copy.milliseconds > 0 ? backup.milliseconds / copy.milliseconds : 0.0, report.problems);
    }
    return status;
}
