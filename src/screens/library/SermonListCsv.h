#pragma once

#include "SermonExportRows.h"

#include <QByteArray>

// The sermon list as comma-separated values for spreadsheets (RFC 4180): a heading row, then
// one row per sermon; fields holding a comma, quote, tab or line break are quoted with their
// quotes doubled; lines end with CR LF; UTF-8, with a byte-order mark on request (some
// spreadsheet programs read UTF-8 only after one).
namespace SermonListCsv {

QStringList headings();
// One field as it stands in the file.
QString field(const QString &text);
QByteArray document(const QList<SermonExportRow> &rows, bool byteOrderMark);
// Writes the file through a temporary one, so an existing file is replaced only by a
// complete new one. False with `failure` saying why.
bool write(
    const QString &path, const QList<SermonExportRow> &rows, bool byteOrderMark, QString &failure);

} // namespace SermonListCsv
