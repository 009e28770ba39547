#pragma once

#include "ListMarks.h"

#include <QHash>
#include <QString>

class QXmlStreamReader;

// What an OpenDocument text's styles say that the outline needs: each list style's levels
// (number format, prefix, suffix, start, levels shown, bullet), the paragraph styles that are
// the title or carry a list style, and the styles that hide their text. Fed the tokens of
// styles.xml and of content.xml's automatic styles.
class OdfStyles
{
public:
    struct ListLevel
    {
        ListMarks::Format format = ListMarks::Format::Decimal;
        QString prefix;
        QString suffix = QStringLiteral(".");
        QString bullet;
        // Writer's own form of the whole mark ("%1%.%2%)"), which it prints in preference to
        // prefix, levels shown and suffix when a file has it (loext:num-list-format).
        QString listFormat;
        int start = 1;
        int displayLevels = 1;
        bool defined = false;
    };

    // The outline numbering of headings (text:outline-style), as a list style of this name.
    static const QString OutlineStyle;

    void token(const QXmlStreamReader &xml);

    // Level 1 is the outermost; a level no style defines has no mark.
    ListLevel level(const QString &listStyle, int level) const;
    bool hides(const QString &style) const;
    bool isTitle(const QString &paragraphStyle) const;
    QString listStyleOf(const QString &paragraphStyle) const;

private:
    struct Style
    {
        QString parent;
        QString listStyle;
        bool hidden = false;
    };
    QHash<QString, Style> m_styles;
    QHash<QString, QHash<int, ListLevel>> m_lists;
    QString m_style; // the style:style being read
    QString m_list; // the text:list-style being read
};
