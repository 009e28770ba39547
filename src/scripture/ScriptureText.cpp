#include "ScriptureText.h"

#include <QCoreApplication>
#include <QStringList>

QString ScriptureText::moreLine(int moreVerses)
{
    return QCoreApplication::translate(
        "ScriptureText", "… and %n more verse(s)", nullptr, moreVerses);
}

QString ScriptureText::verses(const ScripturePassage &passage, bool versePerLine)
{
    QStringList lines;
    QString line;
    int chapter = passage.verses.isEmpty() ? 0 : passage.verses.first().chapter;
    for (const ScriptureVerse &verse : passage.verses) {
        // A new chapter shows its number with the first verse ("4:1").
        const QString number = verse.chapter != chapter
            ? QStringLiteral("%1:%2").arg(verse.chapter).arg(verse.verse)
            : QString::number(verse.verse);
        const bool newLine = versePerLine || verse.paragraph || verse.chapter != chapter;
        chapter = verse.chapter;
        if (newLine && !line.isEmpty()) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + number + QLatin1Char(' ')
            + verse.text;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    if (passage.moreVerses > 0) {
        lines << moreLine(passage.moreVerses);
    }
    return lines.join(QLatin1Char('\n'));
}

QString ScriptureText::plain(const ScripturePassage &passage, bool versePerLine)
{
    if (!passage.ok()) {
        return passage.reading + QLatin1Char('\n') + passage.message;
    }
    return passage.reading + QLatin1Char('\n') + verses(passage, versePerLine) + QLatin1Char('\n')
        + passage.shortName;
}
