#pragma once

#include <QString>
#include <QStringList>

// lectorum-mkdb --import: reads outline files, folders and zips by the same rules as
// File > Import, prints the review as a table and writes the ready rows into the library
// (a file or an ODBC connect string) in one transaction, after backing a library file up.
struct ImportCommandOptions
{
    QStringList paths;
    QString library;
    QString preacher; // the preacher of every row; empty for the library's default
    bool dryRun = false;
    bool skipUnreadable = false;
};

// The program's exit code: 0 when done, 1 when a file could not be read (unless skipped) or
// the library could not be written, 2 for a preacher the library does not have.
int runImportCommand(const ImportCommandOptions &options);
