#pragma once

#include <QList>
#include <QString>

// An installed Bible version (a SWORD module): its module name ("engWEB2015eb"), the short
// name a reader knows it by ("WEB") and its description ("World English Bible ...").
struct BibleVersion
{
    QString name;
    QString shortName;
    QString description;
    QString licence; // the module's DistributionLicense ("Public Domain", "Copyrighted; ...")

    // The licence lets a church put the text on its website: public domain, or a free licence
    // that asks no more than naming the source (CC0, CC BY, CC BY-SA, GPL). A version whose
    // licence says nothing, or limits copying, is never published.
    bool mayPublish() const
    {
        const QString l = licence.trimmed();
        for (const char *free :
            { "Public Domain", "Creative Commons: BY", "Creative Commons: BY-SA",
                "Creative Commons: CC0", "CC0", "GPL", "General Public License" }) {
            if (l.compare(QLatin1String(free), Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }
};

// One verse as printed in a Bible: plain text, no notes, no markup.
struct ScriptureVerse
{
    int chapter = 0;
    int verse = 0;
    QString text;
    // The version starts a paragraph with this verse.
    bool paragraph = false;
};

// A passage read from a version. At most a capped number of verses are held; `moreVerses`
// counts the rest. When the passage cannot be shown, `message` says why (no Bible
// installed, a damaged module, a book or reference the version does not have) and `verses`
// is empty.
struct ScripturePassage
{
    QString reading; // "John 3:16–21", as the program writes references
    QString moduleName;
    QString shortName;
    QList<ScriptureVerse> verses;
    int moreVerses = 0;
    QString message;

    bool ok() const { return message.isEmpty() && !verses.isEmpty(); }
};
