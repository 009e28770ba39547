#pragma once

#include "ImportedDocument.h"

#include <QByteArray>

// Rich Text Format read here rather than through a converter, so that every character comes
// in: \uN characters, \'hh bytes in the document's code page (\ansicpg), and the marks Word
// and Writer print before list items (\listtext, \pntext). The font and colour tables,
// pictures, headers, footers, the list definitions, shapes other than their text (\shptxt)
// and every \* destination it does not know are passed over; hidden (\v) and deleted
// (\deleted) text too. The \info title is the title property; footnotes go to the notes.
namespace RtfReader {

ImportedDocument read(const QByteArray &bytes);

} // namespace RtfReader
