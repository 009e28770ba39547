#include "PublishPassages.h"

#include "BiblePassage.h"
#include "ScriptureService.h"

QString PublishPassages::publishable(const QString &version)
{
    for (const BibleVersion &v : ScriptureService::instance().versionsNow()) {
        if (v.name == version && v.mayPublish())
            return v.name;
    }
    return QString();
}

bool PublishPassages::add(QList<PublishSermon> &sermons, const QString &version)
{
    if (publishable(version).isEmpty())
        return false;
    for (PublishSermon &s : sermons) {
        if (s.bookOrder <= 0)
            continue;
        const BiblePassage passage = BiblePassage::fromSermonColumns(
            s.bookOrder, s.chapter, s.verse, s.endChapter, s.endVerse);
        const ScripturePassage read = ScriptureService::instance().readNow(version, passage);
        if (!read.ok())
            continue;
        QStringList lines;
        for (const ScriptureVerse &v : read.verses)
            lines << QStringLiteral("%1:%2 %3").arg(v.chapter).arg(v.verse).arg(v.text);
        s.passageText = lines.join(QLatin1Char('\n'));
        s.passageVersion = read.shortName;
    }
    return true;
}
