#pragma once

#include "DbError.h"

#include <QString>
#include <memory>

class DbDatabase;

// A library named on the command line: a file, or an ODBC connect string (starting with
// DSN=, DRIVER=, FILEDSN= or ODBC;).
std::unique_ptr<DbDatabase> openLibraryArgument(const QString &text, DbError &error);
