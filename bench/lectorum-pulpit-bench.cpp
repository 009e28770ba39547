// The pulpit and the outline editor's aids on a 60 KB outline, each beside the plainest way
// of doing the same job in the same run:
//   1. the preaching view's paint of each page, against drawing the page's lines with
//      QPainter::drawText and no layout;
//   2. the longest time the interface thread is held while typing with spelling on (keys and
//      checking slices), against typing in the same box without spelling;
//   3. Replace All of 1,000 matches in the notes box (one undo step), against QString::replace.
// Usage: lectorum-pulpit-bench [--shot FILE.png]   (offscreen unless QT_QPA_PLATFORM is set)
#include "BibleNames.h"
#include "OutlineSearch.h"
#include "PreachingView.h"
#include "SpellChecker.h"
#include "SpellingHighlighter.h"
#include "clsConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// About 60 KB of outline: sections of points at every level, sentences of ordinary words,
// a few misspellings and Bible names, and "grace" 1,000 times over.
QString sixtyKilobyteOutline()
{
    const QStringList words = { QStringLiteral("the"), QStringLiteral("shepherd"),
        QStringLiteral("leads"), QStringLiteral("his"), QStringLiteral("sheep"),
        QStringLiteral("beside"), QStringLiteral("still"), QStringLiteral("waters"),
        QStringLiteral("Jehoshaphat"), QStringLiteral("faithfull"), QStringLiteral("mercy"),
        QStringLiteral("restores"), QStringLiteral("soul"), QStringLiteral("prayer") };
    QString text;
    int grace = 0;
    const QStringList markers = { QStringLiteral("I."), QStringLiteral("A."), QStringLiteral("1."),
        QStringLiteral("a."), QStringLiteral("-") };
    for (int line = 0; text.size() < qsizetype { 60 } * 1024; ++line) {
        if (line % 12 == 0 && line > 0) {
            text += QLatin1Char('\n');
        }
        text += markers.at(line % markers.size()) + QLatin1Char(' ');
        for (int w = 0; w < 6 + line % 5; ++w) {
            text += words.at((line * 7 + w * 3) % words.size()) + QLatin1Char(' ');
        }
        for (int twice = 0; twice < 2 && grace < 1000; ++twice, ++grace) {
            text += QStringLiteral("grace ");
        }
        text += QStringLiteral("ends here.\n");
    }
    return text;
}

struct Stats
{
    std::vector<double> ms;
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double highest() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

void row(const char *name, Stats product, Stats baseline)
{
    const double base = baseline.median();
    std::printf("%-44s %9.2f ms (max %8.2f)  %9.2f ms (max %8.2f)  x%.1f\n", name, product.median(),
        product.highest(), base, baseline.highest(), base > 0 ? product.median() / base : 0.0);
}

void paintTimes(const QString &outline, const QString &shot)
{
    QElapsedTimer open;
    open.start();
    PreachingView view(
        { QStringLiteral("The Lord Is My Shepherd"), QStringLiteral("Psalm 23"), outline, 0, {} });
    view.resize(1280, 800);
    view.show();
    view.grab();
    const double openMs = double(open.nsecsElapsed()) / 1e6;
    if (!shot.isEmpty()) {
        view.grab().save(shot);
    }
    Stats product;
    Stats plain;
    QImage canvas(view.size(), QImage::Format_RGB32);
    QFont type = view.font();
    type.setPointSize(view.fontPoints());
    // The first paint of each fills the glyph caches; it is reported apart.
    view.grab();
    const double firstMs = view.lastPaintMs();
    for (int page = 0; page < 400; ++page) {
        view.grab();
        product.ms.push_back(view.lastPaintMs());
        // The plain way: the same rows drawn as lines of text at the same places.
        QElapsedTimer t;
        t.start();
        QPainter painter(&canvas);
        painter.fillRect(canvas.rect(), Qt::white);
        painter.setFont(type);
        for (const PreachingLayout::Row &r : view.lastPainted()) {
            painter.drawText(r.rect.bottomLeft(), r.text);
        }
        painter.end();
        if (page > 0) {
            plain.ms.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        const qreal before = view.scrollTop();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&view, &key);
        if (view.scrollTop() == before) {
            break;
        }
    }
    std::printf("preaching view: opened with a %lld-character outline in %.1f ms (first paint "
                "%.1f ms); %zu pages\n",
        static_cast<long long>(outline.size()), openMs, firstMs, product.ms.size());
    row("paint of one page (view / drawText)", product, plain);
}

// Types `keys` letters at the end of the box, letting the event loop run between keys as a
// typist would, and returns how long each event-loop pass held the thread.
Stats typing(QPlainTextEdit &box, int keys)
{
    Stats held;
    QTextCursor end = box.textCursor();
    end.movePosition(QTextCursor::End);
    box.setTextCursor(end);
    for (int k = 0; k < keys; ++k) {
        QElapsedTimer t;
        t.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&box, &press);
        held.ms.push_back(double(t.nsecsElapsed()) / 1e6);
        // 40 ms between keys: the checking slices run in the gaps.
        QElapsedTimer gap;
        gap.start();
        while (gap.elapsed() < 40) {
            QElapsedTimer pass;
            pass.start();
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            held.ms.push_back(double(pass.nsecsElapsed()) / 1e6);
        }
    }
    return held;
}

void spellingBlocks(const QString &outline)
{
    SpellChecker checker;
    if (!checker.open(SpellChecker::defaultLanguage())) {
        std::printf("spelling: no dictionary installed, step left out\n");
        return;
    }
    checker.acceptWords(BibleNames::words());
    QPlainTextEdit plainBox;
    plainBox.resize(900, 700);
    plainBox.show();
    plainBox.setPlainText(outline);
    const Stats plain = typing(plainBox, 60);

    QPlainTextEdit box;
    box.resize(900, 700);
    box.show();
    SpellingHighlighter highlighter(box.document());
    highlighter.setChecker(&checker);
    QElapsedTimer load;
    load.start();
    box.setPlainText(outline);
    const double loadMs = double(load.nsecsElapsed()) / 1e6;
    QElapsedTimer settle;
    settle.start();
    Stats spelled = typing(box, 60);
    // Then the pause after the last key: the checking runs in slices until all is underlined.
    while (highlighter.isBusy() && settle.elapsed() < 20000) {
        QElapsedTimer pass;
        pass.start();
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        spelled.ms.push_back(double(pass.nsecsElapsed()) / 1e6);
    }
    std::printf("spelling: text set in %.1f ms; longest checking slice %.2f ms; %s after %.0f ms\n",
        loadMs, highlighter.longestSliceMs(),
        highlighter.isBusy() ? "still checking" : "all checked", double(settle.elapsed()));
    row("longest hold while typing (spelling / none)", spelled, plain);
    std::printf(
        "  longest: %.2f ms with spelling, %.2f ms without\n", spelled.highest(), plain.highest());
}

void replaceAllTimes(const QString &outline)
{
    Stats product;
    Stats plain;
    OutlineSearch::Options options;
    options.matchCase = true;
    options.wholeWord = true;
    int replaced = 0;
    for (int run = 0; run < 7; ++run) {
        QPlainTextEdit box;
        box.resize(900, 700);
        box.show();
        box.setPlainText(outline);
        QElapsedTimer t;
        t.start();
        replaced = OutlineSearch::replaceAll(
            &box, QStringLiteral("grace"), QStringLiteral("mercy"), options);
        product.ms.push_back(double(t.nsecsElapsed()) / 1e6);
        QString copy = outline;
        QElapsedTimer p;
        p.start();
        copy.replace(QStringLiteral("grace"), QStringLiteral("mercy"));
        plain.ms.push_back(double(p.nsecsElapsed()) / 1e6);
    }
    std::printf("replace all: %d matches\n", replaced);
    row("Replace All (notes box, one undo / QString)", product, plain);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The view reads its settings; the benchmark keeps the user's own file out of it.
    QTemporaryDir settings;
    clsConfig::setStoreFileOverride(settings.filePath(QStringLiteral("lectorum.ini")));
    const QStringList args = app.arguments();
    const qsizetype shotAt = args.indexOf(QStringLiteral("--shot"));
    const QString shot = shotAt > 0 && shotAt + 1 < args.size() ? args.at(shotAt + 1) : QString();

    const QString outline = sixtyKilobyteOutline();
    std::printf("%-44s %-30s %-30s %s\n", "step", "product median", "baseline median", "ratio");
    paintTimes(outline, shot);
    spellingBlocks(outline);
    replaceAllTimes(outline);
    return 0;
}
