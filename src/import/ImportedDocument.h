#pragma once

#include <QString>

// What reading one outline file gave: its text as an outline (plain text, levels as leading
// tabs), the title its properties name, its first heading, or why it could not be read.
struct ImportedDocument
{
    QString text;
    QString titleProperty;
    QString firstHeading;
    // The outside program that read the file ("LibreOffice", "catdoc"); empty for the
    // program's own readers.
    QString route;
    // Empty when the file was read; otherwise the reason, as a row of the review shows it.
    QString error;

    bool ok() const { return error.isEmpty(); }
    static ImportedDocument failure(const QString &reason)
    {
        ImportedDocument d;
        d.error = reason;
        return d;
    }
};
