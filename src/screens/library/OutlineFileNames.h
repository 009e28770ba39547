#pragma once

#include "SermonExportRows.h"

#include <QSet>

// File names for a folder of outlines: date, reference and title, with every character that
// some file system refuses (/ \ : * ? " < > | and control characters) replaced, kept short
// enough for every file system, and made unique within the folder.
class OutlineFileNames
{
public:
    explicit OutlineFileNames(const QString &folder);
    // The name without folder or suffix ("1998-06-15 John 3-16 The Gift").
    static QString baseName(const SermonExportRow &sermon);
    // A path in the folder that is neither on disk nor handed out before.
    QString next(const SermonExportRow &sermon, const QString &suffix);

private:
    QString m_folder;
    QSet<QString> m_taken; // folded to lower case: some file systems ignore case
};
