#pragma once

#include <QString>
#include <QStringList>

// Check Database: reads a local library on a private read-only connection and reports, as
// plain text lines, its integrity check, its foreign-key check, the rows of every table and
// the sermons whose preacher, type, book or series is missing.
namespace LibraryCheck {

struct Report
{
    int problems = 0; // 0 when nothing is wrong
    QStringList lines; // the report as the user reads (and saves) it
};

Report run(const QString &libraryPath);

} // namespace LibraryCheck
