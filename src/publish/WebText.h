#pragma once

#include <QDateTime>
#include <QString>

// Text made safe for the places the site puts it: HTML and XML text and attributes, JSON
// strings, addresses, and file names that every web server and file system takes.
namespace WebText {

// Escapes &, <, >, " and ' so that the text stays text in an element or a quoted attribute
// (HTML or XML), and tab and line ends so that an attribute keeps them; characters XML 1.0
// forbids (other controls, lone surrogates) are dropped.
QString escape(const QString &text);
// A JSON string literal with its quotes; <, > and & are written as \u escapes, so that the
// text stays inert wherever the JSON is put (a script element, a page that shows it raw).
QString json(const QString &text);
// A path of the site ("media/12 Psalm.mp3") with each segment percent-encoded as UTF-8.
QString urlPath(const QString &relativePath);
// `base` (empty, or ending in "/" once added) followed by the encoded path.
QString absoluteUrl(const QString &base, const QString &relativePath);
// http and https addresses only; anything else (javascript:, file:, data:) is not one.
bool isWebAddress(const QString &text);
// A file name of ASCII letters, digits, ".", "-" and "_": accents are taken off, spaces and
// everything else become "-", never "." or ".." or a hidden name. Empty input gives "file".
QString safeFileName(const QString &name);
// A short lower-case name for an index page plus a digest of the full text, so that two
// texts never share a page ("the-psalms-3f9a1c").
QString slug(const QString &text);
// RFC 822 as RSS wants it ("Sun, 07 Jan 2024 00:00:00 +0000"), in English whatever the locale.
QString rfc822(const QDateTime &when);
// "1:02:03", or "2:03" under an hour.
QString duration(qint64 milliseconds);
// "3.4 MB"
QString size(qint64 bytes);

} // namespace WebText
