#include "BenchMeasure.h"

#include "StatementLog.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

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

} // namespace

BenchFigure measureStep(const std::function<void()> &step)
{
    resetPeakMemory();
    const qint64 statementsBefore = StatementLog::count();
    QElapsedTimer timer;
    timer.start();
    step();
    BenchFigure figure;
    figure.milliseconds = timer.nsecsElapsed() / 1.0e6;
    figure.statements = StatementLog::count() - statementsBefore;
    figure.peakKilobytes = peakMemoryKilobytes();
    return figure;
}

void printFigureHeading(const QString &title)
{
    std::printf("\n%s\n", qPrintable(title));
    std::printf("  %-36s %10s %11s %7s %11s %9s %10s %10s\n", "step", "product ms", "baseline ms",
        "ratio", "statements", "baseline", "peak MB", "base MB");
}

void printFigureRow(const QString &name, const BenchFigure &product, const BenchFigure &baseline)
{
    const double ratio = baseline.milliseconds > 0 ? product.milliseconds / baseline.milliseconds : 0;
    std::printf("  %-36s %10.1f %11.1f %6.2fx %11lld %9lld %10.1f %10.1f\n", qPrintable(name),
        product.milliseconds, baseline.milliseconds, ratio, static_cast<long long>(product.statements),
        static_cast<long long>(baseline.statements), product.peakKilobytes / 1024.0,
        baseline.peakKilobytes / 1024.0);
    std::fflush(stdout);
}
