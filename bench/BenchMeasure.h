#pragma once

#include <QString>
#include <functional>

// One measured step: wall time, statements sent through the engine layer, and the peak
// resident memory while it ran (the kernel's high-water mark, reset before each step).
struct BenchFigure
{
    double milliseconds = 0;
    qint64 statements = 0;
    qint64 peakKilobytes = 0;
};

BenchFigure measureStep(const std::function<void()> &step);

// "name  product ms  baseline ms  ratio  statements  peak" on one line.
void printFigureRow(const QString &name, const BenchFigure &product, const BenchFigure &baseline);
void printFigureHeading(const QString &title);
