#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheets and other programs write them (RFC 4180): a field in
// double quotes may hold the separator, line breaks (kept exactly as written) and doubled
// quotes; records end with CR LF or LF. The separator is a comma, a semicolon (spreadsheets in
// countries whose decimal mark is a comma) or a tab.
namespace CsvTable {

// The file's text: UTF-8 with or without a byte-order mark, UTF-16 with one, else
// Windows-1252, as outline files are read.
QString decode(const QByteArray &bytes);

// The separator of `text`: of `,` `;` and tab, the one that splits the first record (outside
// quotes) into the most fields; a comma when none does.
QChar detectSeparator(const QString &text);

// The records of `text`; blank lines are passed over. False with `error` naming the line when
// a quoted field is never closed or text follows a closing quote.
bool parse(const QString &text, QChar separator, QList<QStringList> &records, QString &error);

} // namespace CsvTable
