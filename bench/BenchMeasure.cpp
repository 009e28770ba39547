#include "BenchMeasure.h"

#include "StatementLog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

int g_repeat = 5;
// Only the steps whose names hold one of these (all when empty).
QStringList g_steps;

void resetPeakMemory()
{
    // Writing 5 to clear_refs resets the peak resident set size (VmHWM).
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

qint64 peakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

QString timeText(const BenchSeries &series)
{
    if (series.isEmpty())
        return QString();
    // Steps under 10 ms (a passage, a key) are read to the hundredth, where their goals lie.
    const int decimals = series.median() < 10 ? 2 : 1;
    return QStringLiteral("%1 [%2-%3]")
        .arg(series.median(), 0, 'f', decimals)
        .arg(series.lowest(), 0, 'f', decimals)
        .arg(series.highest(), 0, 'f', decimals);
}

} // namespace

BenchFigure measureStep(const std::function<void()> &step)
{
    resetPeakMemory();
    const qint64 statementsBefore = StatementLog::count();
    QElapsedTimer timer;
    timer.start();
    step();
    BenchFigure figure;
    figure.milliseconds = double(timer.nsecsElapsed()) / 1.0e6;
    figure.statements = StatementLog::count() - statementsBefore;
    figure.peakKilobytes = peakMemoryKilobytes();
    return figure;
}

void BenchSeries::add(const BenchFigure &figure)
{
    milliseconds.push_back(figure.milliseconds);
    statements = figure.statements;
    peakKilobytes = std::max(peakKilobytes, figure.peakKilobytes);
}

double BenchSeries::median() const
{
    if (milliseconds.empty())
        return 0;
    std::vector<double> sorted = milliseconds;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double BenchSeries::lowest() const
{
    return milliseconds.empty() ? 0 : *std::min_element(milliseconds.begin(), milliseconds.end());
}

double BenchSeries::highest() const
{
    return milliseconds.empty() ? 0 : *std::max_element(milliseconds.begin(), milliseconds.end());
}

void printFigureHeading(const QString &title)
{
    std::printf("\n%s\n", qPrintable(title));
    std::printf("  %-42s %22s %22s %7s %6s %6s %7s %s\n", "step", "product ms [spread]",
        "baseline ms [spread]", "ratio", "stmts", "base", "peak MB", "rows");
}

void printSeriesRow(const QString &name, const BenchSeries &product, const BenchSeries *baseline,
    const QString &verdict)
{
    const bool paired = baseline && !baseline->isEmpty() && baseline->median() > 0;
    const QString ratio = paired
        ? QStringLiteral("%1x").arg(product.median() / baseline->median(), 0, 'f', 2)
        : QString();
    std::printf("  %-42s %22s %22s %7s %6lld %6s %7.1f %s\n", qPrintable(name),
        qPrintable(timeText(product)), qPrintable(paired ? timeText(*baseline) : QString()),
        qPrintable(ratio), static_cast<long long>(product.statements),
        qPrintable(paired ? QString::number(baseline->statements) : QString()),
        double(product.peakKilobytes) / 1024.0, qPrintable(verdict));
    std::fflush(stdout);
}

void printNote(const QString &text)
{
    std::printf("  %s\n", qPrintable(text));
    std::fflush(stdout);
}

void addLibraryOptions(QCommandLineParser &parser)
{
    parser.addOption({ QStringLiteral("engines"), QStringLiteral("sqlite, postgres or both."),
        QStringLiteral("list"), QStringLiteral("sqlite,postgres") });
    parser.addOption({ QStringLiteral("data"),
        QStringLiteral("Folder for the generated libraries."), QStringLiteral("dir"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data") });
    parser.addOption({ QStringLiteral("repeat"), QStringLiteral("Times each step runs."),
        QStringLiteral("n"), QStringLiteral("5") });
    parser.addOption({ QStringLiteral("steps"),
        QStringLiteral("Only the steps whose names hold one of these words."),
        QStringLiteral("list") });
}

void readLibraryOptions(const QCommandLineParser &parser)
{
    g_repeat = std::max(1, parser.value(QStringLiteral("repeat")).toInt());
    g_steps = parser.isSet(QStringLiteral("steps"))
        ? parser.value(QStringLiteral("steps")).split(QLatin1Char(','), Qt::SkipEmptyParts)
        : QStringList();
    QDir().mkpath(parser.value(QStringLiteral("data")));
}

int stepRepeat()
{
    return g_repeat;
}

bool stepWanted(const QString &name)
{
    return g_steps.isEmpty()
        || std::any_of(g_steps.cbegin(), g_steps.cend(),
            [&](const QString &word) { return name.contains(word); });
}
