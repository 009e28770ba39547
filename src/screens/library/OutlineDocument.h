#pragma once

#include "SermonExportRows.h"

// One sermon's outline as a document for a word processor: a heading with the title and the
// reference, the preacher, the date and place, the big idea, then the outline with every line
// break it has. The file type chooses the format: OpenDocument text (.odt, Qt's ODF writer),
// Markdown (.md; the outline in a fenced block, so indents and line breaks stay exactly), or
// plain text (anything else).
namespace OutlineDocument {

enum class Format { OpenDocument, Markdown, PlainText };

Format formatFor(const QString &path);
QString suffixFor(Format format); // "odt", "md", "txt"
QString plainText(const SermonExportRow &sermon);
QString markdown(const SermonExportRow &sermon);
// Writes through a temporary file (see ExportFile); false with `failure` saying why.
bool write(const QString &path, const SermonExportRow &sermon, QString &failure);

} // namespace OutlineDocument
