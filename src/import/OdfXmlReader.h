#pragma once

#include "ImportedDocument.h"

class ZipEntryStream;

// Reads an OpenDocument text (.odt): content.xml for the body and its notes, meta.xml for
// the title property. Headings' outline levels and list nesting become indentation, tables
// tab-separated lines, notes lines at the end; tracked deletions and comments are left out.
namespace OdfXmlReader {

ImportedDocument read(ZipEntryStream &zip);

} // namespace OdfXmlReader
