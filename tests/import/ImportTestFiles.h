#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Documents made by the tests themselves: zips written with QuaZip, Word and OpenDocument
// files around a body of XML.
namespace ImportTestFiles {

using Parts = QList<QPair<QString, QByteArray>>;

bool writeZip(const QString &path, const Parts &parts);
QByteArray zipBytes(const Parts &parts);
// A .docx whose body is `body` (the inside of w:body), with footnotes, a title property, and
// the insides of its numbering and styles parts.
Parts docx(const QByteArray &body, const QByteArray &footnotes = {}, const QString &title = {},
    const QByteArray &numbering = {}, const QByteArray &styles = {});
// An .odt whose body is `body` (the inside of office:text), with a title property and the
// inside of its automatic styles.
Parts odt(const QByteArray &body, const QString &title = {}, const QByteArray &styles = {});
bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace ImportTestFiles
