#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>

class QPainter;
class QRect;

// The files a report is saved as: its numbers as CSV (RFC 4180: fields with a comma, quote
// or line break quoted, quotes doubled, CR LF line ends, UTF-8), its picture as PNG or SVG.
// Each file is written whole or not at all (a temporary file renamed); a failure is told to
// the user and returns false.
namespace ReportFiles {

using Painter = std::function<void(QPainter &, const QRect &)>;

QByteArray csv(const QList<QStringList> &rows);
// The name with ".suffix" added when it has no extension of its own ("Coverage" becomes
// "Coverage.png"; "Coverage.v2" stays): a file named without one would not open in the
// program meant for it.
QString withSuffix(const QString &path, const QString &suffix);
bool save(const QString &path, const QByteArray &content);
bool savePng(const QString &path, const QSize &size, const Painter &paint);
bool saveSvg(const QString &path, const QString &title, const QSize &size, const Painter &paint);

} // namespace ReportFiles
