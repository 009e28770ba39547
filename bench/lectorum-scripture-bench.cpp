// The Bible text: how long a passage takes to read, the first one including SWORD's loading
// of the modules, and how long the interface thread is held while the notes window's passage
// pane fills. Beside each, the plain way: SWORD's own loop (manager, module, key, render)
// reading the same verses, measured in the same run. Figures only; nothing fails on time.
//
//   build/bin/lectorum-scripture-bench [--version engWEB2015eb]
#include "BiblePassage.h"
#include "ScripturePane.h"
#include "ScriptureService.h"
#include "SwordLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The process's resident high-water mark in KB (VmHWM).
qint64 peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

BiblePassage passage(int book, const char *name, int chapter, int from, int to)
{
    BiblePassage read = BiblePassage::fromSermonColumns(book, chapter, from, chapter, to);
    read.bookName = QString::fromLatin1(name);
    return read;
}

double since(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void row(const char *step, double product, double baseline)
{
    std::printf("%-44s %10.2f ms %10.2f ms %8.2f\n", step, product, baseline,
        baseline > 0 ? product / baseline : 0.0);
}

// SWORD alone: the verses of `reference` ("John 3:1-36" style keys, one by one).
double plainLoop(
    sword::SWMgr &manager, const char *module, const char *book, int chapter, int verses)
{
    QElapsedTimer timer;
    timer.start();
    sword::SWModule *bible = manager.getModule(module);
    for (int verse = 1; verse <= verses; ++verse) {
        const QByteArray key = QByteArray(book) + ' ' + QByteArray::number(chapter) + ':'
            + QByteArray::number(verse);
        bible->setKey(key.constData());
        const sword::SWBuf text = bible->renderText();
        (void)text;
    }
    return since(timer);
}

// A 1 ms timer on the interface thread, and the longest time between its runs: how long the
// thread was held from handling anything else.
class TimerGaps
{
public:
    TimerGaps()
    {
        m_clock.start();
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const double now = elapsed();
            m_longest = qMax(m_longest, now - m_last);
            m_last = now;
        });
        m_tick.start();
    }
    double elapsed() const { return since(m_clock); }
    double longest() const { return m_longest; }
    // Counting the time since the timer last ran as a gap too.
    double longestToNow() const { return qMax(m_longest, elapsed() - m_last); }

private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    double m_last = 0;
    double m_longest = 0;
};

// The longest the interface thread went without running a 1 ms timer for `milliseconds`
// with nothing else to do: what the machine itself holds a thread back (the baseline of the
// stall below).
double idleStall(double milliseconds)
{
    TimerGaps gaps;
    while (gaps.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return gaps.longest();
}

// The longest the interface thread went without running a 1 ms timer while `start` made the
// pane read or lay out Psalm 119, until it was shown.
double longestStall(ScripturePane &pane, const std::function<void()> &start)
{
    TimerGaps gaps;
    bool shown = false;
    // Disconnected when this call returns: `shown` lives only as long as it.
    QObject call;
    QObject::connect(&pane, &ScripturePane::passageShown, &call, [&] { shown = true; });
    start();
    while (!shown)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return gaps.longestToNow();
}

// A fresh process's first passage (John 3:16) with the modules' loading: "ms kB" on stdout,
// the time and the peak memory it added. `product` through the scripture library, else
// SWORD's own manager with its default set-up.
int firstPassageChild(const QString &which, const QString &version)
{
    const qint64 before = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    if (which == QLatin1String("product")) {
        SwordLibrary library;
        library.read(version, passage(43, "John", 3, 16, 16));
        std::printf("%f %lld\n", since(timer), peakKilobytes() - before);
    } else {
        sword::SWMgr manager(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
        manager.setGlobalOption("Footnotes", "Off");
        sword::SWModule *bible = manager.getModule(version.toLatin1().constData());
        bible->setKey("John 3:16");
        const sword::SWBuf text = bible->renderText();
        (void)text;
        std::printf("%f %lld\n", since(timer), peakKilobytes() - before);
    }
    return 0;
}

struct FirstFigures
{
    double milliseconds = 0;
    double megabytes = 0;
};

// The median of five fresh processes, product and baseline taking turns.
FirstFigures firstPassage(const QString &which, const QString &version)
{
    std::vector<double> times;
    double megabytes = 0;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--first"), which, QStringLiteral("--version"), version });
        child.waitForFinished(60000);
        const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
        if (parts.size() == 2) {
            times.push_back(parts.at(0).toDouble());
            megabytes = qMax(megabytes, parts.at(1).toDouble() / 1024.0);
        }
    }
    std::sort(times.begin(), times.end());
    return { times.empty() ? 0 : times.at(times.size() / 2), megabytes };
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString version = QStringLiteral("engWEB2015eb");
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--version"));
    if (at > 0 && at + 1 < args.size())
        version = args.at(at + 1);
    const QByteArray module = version.toLatin1();
    const qsizetype first = args.indexOf(QStringLiteral("--first"));
    if (first > 0 && first + 1 < args.size())
        return firstPassageChild(args.at(first + 1), version);

    std::printf("%-44s %13s %13s %8s\n", "step", "Lectorum", "SWORD alone", "ratio");
    FirstFigures product;
    FirstFigures baseline;
    product = firstPassage(QStringLiteral("product"), version);
    baseline = firstPassage(QStringLiteral("baseline"), version);
    row("first passage after start, fresh process", product.milliseconds, baseline.milliseconds);

    QElapsedTimer timer;
    SwordLibrary library;
    sword::SWMgr manager(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
    manager.setGlobalOption("Footnotes", "Off");
    library.read(version, passage(43, "John", 3, 16, 16));
    plainLoop(manager, module.constData(), "John", 3, 16);

    // The rest of the chapter, one verse at a time as a preacher steps through it.
    double slowest = 0;
    timer.restart();
    for (int verse = 17; verse <= 36; ++verse) {
        QElapsedTimer one;
        one.start();
        library.read(version, passage(43, "John", 3, verse, verse));
        slowest = qMax(slowest, since(one));
    }
    const double chapterReads = since(timer) / 20;
    row("later passage of the chapter (mean)", chapterReads,
        plainLoop(manager, module.constData(), "John", 3, 20) / 20);
    row("later passage of the chapter (slowest)", slowest, 0);

    timer.restart();
    const ScripturePassage psalm = library.read(version, passage(19, "Psalms", 119, 0, 0));
    const double psalmRead = since(timer);
    row("Psalm 119 (176 verses)", psalmRead,
        plainLoop(manager, module.constData(), "Psalms", 119, 176));

    ScripturePane pane;
    pane.resize(500, 600);
    pane.show();
    QElapsedTimer filling;
    filling.start();
    const BiblePassage psalm119 = passage(19, "Psalms", 119, 0, 0);
    const double stall = longestStall(pane, [&] { pane.setPassage(psalm119); });
    const double fillTime = since(filling);
    row("interface thread held, pane reads+fills Ps 119", stall, idleStall(fillTime));
    row("pane: asked to shown, Ps 119", fillTime, 0);
    // The same without the read: the layout switched, the verses put in again.
    auto *layout = pane.findChild<QCheckBox *>(QStringLiteral("chkVersePerLine"));
    filling.restart();
    const double relay = longestStall(pane, [&] { layout->toggle(); });
    row("interface thread held, pane refills Ps 119", relay, idleStall(since(filling)));
    layout->toggle();
    // Once the pane has shown text (fonts and glyphs ready): another read of the same size.
    longestStall(pane, [&] { pane.setPassage(passage(19, "Psalms", 118, 0, 0)); });
    filling.restart();
    const double again = longestStall(pane, [&] { pane.setPassage(psalm119); });
    row("interface thread held, later read+fill Ps 119", again, idleStall(since(filling)));
    std::printf("peak memory added by the first passage: %.1f MB (SWORD alone: %.1f MB)\n",
        product.megabytes, baseline.megabytes);
    std::printf(
        "(%s; Psalm 119: %lld verses)\n", module.constData(), qlonglong(psalm.verses.size()));
    return 0;
}
