#pragma once

#include <QString>
#include <functional>
#include <vector>

class QCommandLineParser;

// One measured step: wall time, statements sent through the engine layer, and the peak
// resident memory while it ran (the kernel's high-water mark, reset before each step).
struct BenchFigure
{
    double milliseconds = 0;
    qint64 statements = 0;
    qint64 peakKilobytes = 0;
};

BenchFigure measureStep(const std::function<void()> &step);

// The same step measured several times: the median and the spread (lowest, highest) of the
// times, the statements of one run and the highest peak.
struct BenchSeries
{
    std::vector<double> milliseconds;
    qint64 statements = 0;
    qint64 peakKilobytes = 0;

    void add(const BenchFigure &figure);
    bool isEmpty() const { return milliseconds.empty(); }
    double median() const;
    double lowest() const;
    double highest() const;
};

// "name  product median [spread]  baseline median [spread]  ratio  statements  peak" on one
// line; `verdict` says whether the two listed the same rows in the same order. A step with no
// baseline leaves those columns empty.
void printSeriesRow(const QString &name, const BenchSeries &product, const BenchSeries *baseline,
    const QString &verdict = QString());
void printFigureHeading(const QString &title);
void printNote(const QString &text);

// The options every benchmark of the libraries shares: --engines, --data (the folder of the
// generated libraries), --repeat and --steps.
void addLibraryOptions(QCommandLineParser &parser);
// Reads --repeat and --steps after the parser has run, and makes the --data folder.
void readLibraryOptions(const QCommandLineParser &parser);
// How many times each step runs, and whether the step of this name is to run (its name holds
// one of the words of --steps, or none were given).
int stepRepeat();
bool stepWanted(const QString &name);
