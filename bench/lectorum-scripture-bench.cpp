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
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>

#include <cstdio>
#include <memory>

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

double since(QElapsedTimer &timer)
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

// The longest the interface thread went without running a 1 ms timer while the pane read
// and showed Psalm 119.
double longestStall(ScripturePane &pane, const BiblePassage &psalm)
{
    QElapsedTimer clock;
    clock.start();
    double last = 0;
    double longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double now = since(clock);
        longest = qMax(longest, now - last);
        last = now;
    });
    bool shown = false;
    QObject::connect(&pane, &ScripturePane::passageShown, [&] { shown = true; });
    tick.start();
    last = since(clock);
    pane.setPassage(psalm);
    while (!shown)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    longest = qMax(longest, since(clock) - last);
    return longest;
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

    std::printf("%-44s %13s %13s %8s\n", "step", "Lectorum", "SWORD alone", "ratio");
    const qint64 before = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    SwordLibrary library;
    const ScripturePassage first = library.read(version, passage(43, "John", 3, 16, 16));
    const double firstRead = since(timer);
    const qint64 added = peakKilobytes() - before;

    timer.restart();
    sword::SWMgr manager(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
    manager.setGlobalOption("Footnotes", "Off");
    const double plainOpen = since(timer) + plainLoop(manager, module.constData(), "John", 3, 1);
    row("first passage after start (John 3:16)", firstRead, plainOpen);

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
    const double stall = longestStall(pane, passage(19, "Psalms", 119, 0, 0));
    row("interface thread held, pane fills Ps 119", stall, 0);
    std::printf(
        "peak memory added by opening SWORD and the first read: %.1f MB\n", double(added) / 1024.0);
    std::printf("(%s: %lld verses read first, Psalm 119: %lld verses)\n", module.constData(),
        qlonglong(first.verses.size()), qlonglong(psalm.verses.size()));
    return 0;
}
