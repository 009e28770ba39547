#pragma once

#include <QStringList>

// Names of people and places of the Bible and words of its vocabulary that general
// dictionaries do not hold; an outline's spelling never flags them.
class BibleNames
{
public:
    static const QStringList &words();
};
