#pragma once

#include "PassageParser.h"

#include <QDate>
#include <QString>

// What an outline file's name and first lines say about its sermon: the date it was
// preached and the passage it preaches on. Pure text rules, tested as such.
namespace ImportFacts {

// 2019-05-05, 5-5-2019 (also with "/" or "."; month first, as US offices write it),
// 20190505, "May 5, 2019" / "5 May 2019"; the first valid one in the text. `matched` gets
// the text that gave it, so a file name can be shown without it.
QDate findDate(const QString &text, QString *matched = nullptr);

// The first reference in the text the parser reads as a passage: "Rom 5 1-11 Peace with God",
// "Text: Romans 5:1-11", "1 Cor 13.4-7". `matched` gets the text that gave it.
PassageParser::Result findPassage(
    const PassageParser &parser, const QString &text, QString *matched = nullptr);

// The file name without its extension and without the date in it, as a last title.
QString titleFromFileName(const QString &fileName);

// The first lines worth searching for facts (up to `count`, blank ones skipped).
QString firstLines(const QString &text, int count);

} // namespace ImportFacts
