#pragma once

#include "ImportedDocument.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

// One outline file to import: a file on disk, or an entry of a zip of files.
struct ImportSource
{
    QString path; // the file, or the zip holding it
    QString entry; // the entry's name inside the zip; empty for a file on disk
    QString displayName; // as the review shows it: relative to the folder or zip chosen
    QString folderName; // the folder (or zip folder) holding it, for the series
    QDateTime modified;
    // Set when the source stands for files that are not read (past a zip's limit): why.
    QString refusal;
};

// Turns what the user chose (files, folders, .zip files) into the files to read. Folders
// are read recursively; symbolic links are never followed and hidden files and folders are
// skipped, so a folder that loops is read once. Within folders and zips only the kinds of
// file the import reads are taken; a file chosen by name is always taken (and its row says
// when it cannot be read).
namespace ImportSources {

QList<ImportSource> collect(const QStringList &chosen);
// `cancel` stops a converter still running on the file.
ImportedDocument read(const ImportSource &source, const std::atomic<bool> *cancel = nullptr);

} // namespace ImportSources
