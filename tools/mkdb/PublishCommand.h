#pragma once

#include <QString>

// lectorum-mkdb --publish FOLDER LIBRARY [--base-url URL]: writes the sermon website and
// podcast feeds of every sermon with a date into FOLDER, with the library's publishing
// choices (title, description, picture, outlines, the passages' text from a Bible whose licence
// allows it), rewriting only the files that changed.
struct PublishCommandOptions
{
    QString folder;
    QString library;
    QString baseUrl; // empty: the library's own choice
};

// The program's exit code: 0 when the site was written (a missing recording is reported and
// left out), 1 when the library could not be read or a file could not be written.
int runPublishCommand(const PublishCommandOptions &options);
