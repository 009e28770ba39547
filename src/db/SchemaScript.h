#pragma once

#include "DbError.h"

#include <QStringList>

class DbDatabase;

// The delivered database, from the one definition in schema/: the tables with their
// placeholders replaced for the engine, then the shipped rows, and on request the demo
// library.
namespace SchemaScript {

enum class Dialect { SQLite, PostgreSQL };

// schema/tables.sql with {lng}, {int}, {str} and {dt} replaced for the dialect.
QString tablesScript(Dialect dialect);
// The rows every new database gets, and the demo library.
QString shippedRowsScript();
QString demoRowsScript();
// Splits a script at semicolons that end a line; comment lines are dropped.
QStringList statements(const QString &script);

// Creates the tables and loads the shipped rows (and the demo library) in one transaction.
// The database must be empty.
bool load(DbDatabase &database, bool withDemo, DbError &error);

} // namespace SchemaScript
