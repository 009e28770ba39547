#pragma once

#include "ImportedDocument.h"

class ZipEntryStream;

// Reads a Word document (.docx): word/document.xml for the body, word/footnotes.xml for the
// footnotes, docProps/core.xml for the title property. Heading styles and list levels
// become indentation, tables tab-separated lines, deleted revisions are left out.
namespace WordXmlReader {

ImportedDocument read(ZipEntryStream &zip);

} // namespace WordXmlReader
