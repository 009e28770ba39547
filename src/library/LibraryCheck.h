#pragma once

#include <QString>
#include <QStringList>

// Check Database: reads a local library on a private read-only connection and reports, as
// plain text lines, first in the words of a church office (what is wrong, counted, the sermons
// by key and title, what to do about it), then under "Details" the table-level lines for
// whoever supports the installation: its integrity check, its foreign-key check, the rows of
// every table and the sermons whose preacher, type, book or series is missing.
namespace LibraryCheck {

struct Report
{
    int problems = 0; // 0 when nothing is wrong
    QStringList lines; // the report as the user reads (and saves) it
};

Report run(const QString &libraryPath);

} // namespace LibraryCheck
