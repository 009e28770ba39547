#pragma once

#include <QString>

// Every failure of the engine layer travels as one DbError: the number the user sees in
// "An Error Occurred in the System N", the driver's own words, and the statement that failed.
// The number is the driver's native error code where it has a numeric one (SQLite's result
// codes, the server's native codes through ODBC); otherwise one of the fixed numbers below.
// The README lists them.
struct DbError
{
    int number = 0;
    QString driverText;
    QString sql;

    bool isSet() const { return number != 0; }
    void clear() { *this = DbError(); }
};

namespace DbErrorNumber {
// Fixed numbers for failures that carry no numeric driver code. They keep the numbering of
// the file database engine the program grew up with, so support notes stay comparable.
constexpr int StatementFailed = 3000; // a statement failed and the driver gave no number
constexpr int NoCurrentRecord = 3021; // a row was expected and there is none
constexpr int FileNotFound = 3024; // the database file does not exist
constexpr int CannotOpenFile = 3051; // the file exists but cannot be opened
constexpr int OdbcCallFailed = 3146; // an ODBC call failed without a native number
constexpr int OdbcConnectFailed = 3151; // the ODBC data source could not be reached
constexpr int DriverMissing = 3170; // the Qt SQL driver for the engine is not installed
constexpr int FieldNotFound = 3265; // a field name that the result set does not have
constexpr int NotADatabase = 3343; // the file is not a database or is damaged
constexpr int NoDatabase = 3420; // no database is open
constexpr int ValueOutOfRange = 3349; // a number does not fit its column
} // namespace DbErrorNumber
