#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QXmlStreamReader;

// Word's list numbering as the document's numbering and styles parts define it, and the
// counters as Word advances them while the body is read: w:num → w:abstractNum, each level's
// format, text ("%1.", "%1.%2"), start, and the overrides a w:num adds. Lists that share an
// abstract definition count on together, as Word counts them, unless a w:num restarts them.
class WordNumbering
{
public:
    // What a paragraph style carries: its numbering and whether it is a heading or the title.
    struct Style
    {
        QString numId;
        int ilvl = -1;
        bool heading = false;
        bool title = false;
    };

    // Feed these the tokens of word/numbering.xml and word/styles.xml.
    void numberingToken(const QXmlStreamReader &xml);
    void stylesToken(const QXmlStreamReader &xml);

    // The style with its based-on chain resolved.
    Style style(const QString &styleId) const;
    // The mark the next paragraph of list `numId` at `ilvl` shows ("1.", "a)", "IV.", "•"),
    // counting it; empty for no numbering (numId "0", an unknown list, a level without text).
    QString next(const QString &numId, int ilvl);

private:
    struct Level
    {
        QString format = QStringLiteral("decimal");
        QString text;
        int start = 1;
        bool legal = false; // w:isLgl: the other levels' numbers print as decimals
        // w:lvlRestart: the counter starts again after an item of this level (1-based) or one
        // above it; 0 never; -1 (unsaid) after any level above.
        int restartAfter = -1;
        bool defined = false;
    };
    struct Abstract
    {
        Level levels[9];
        QString styleLink; // w:numStyleLink: the list style that defines it
    };
    struct Num
    {
        QString abstractId;
        Level overrides[9]; // a w:lvlOverride's own w:lvl
        int startOverride[9] = { -1, -1, -1, -1, -1, -1, -1, -1, -1 };
        bool restarts = false;
        bool started = false;
    };
    struct Counters
    {
        int values[9] = { 0 };
        bool used[9] = { false };
    };
    struct RawStyle
    {
        QString basedOn;
        QString name;
        QString numId;
        int ilvl = -1;
        int outlineLevel = -1;
    };
    Level level(const Num &num, const Abstract &abstract, int ilvl) const;

    QHash<QString, Abstract> m_abstracts;
    QHash<QString, Num> m_nums;
    QHash<QString, Counters> m_counters; // by abstract id, or by num id when it restarts
    QHash<QString, RawStyle> m_styles;
    // Where the reading of the parts stands.
    QString m_abstract;
    QString m_num;
    QString m_style;
    int m_level = -1;
    int m_overrideLevel = -1;
    bool m_inOverride = false;
};
