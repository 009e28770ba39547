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
