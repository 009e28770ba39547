#include "PassageOnPaper.h"

#include "ScriptureService.h"
#include "ScriptureSettings.h"
#include "ScriptureText.h"

ScripturePassage PassageOnPaper::read(const BiblePassage &passage)
{
    if (!passage.isValid()) {
        return {};
    }
    return ScriptureService::instance().readNow(ScriptureSettings::read().version, passage);
}

QString PassageOnPaper::forPrint(const BiblePassage &passage)
{
    const ScriptureSettings settings = ScriptureSettings::read();
    if (!settings.printPassage || !passage.isValid()) {
        return {};
    }
    const ScripturePassage read = ScriptureService::instance().readNow(settings.version, passage);
    // A page that says "no Bible installed" above the outline helps nobody at the pulpit.
    return read.ok() ? ScriptureText::plain(read, settings.versePerLine) : QString();
}
