#pragma once

#include <QString>
#include <QVariant>

class clsConnect;
class DbDatabase;

// A generated library to measure on: a SQLite file or a database on the PostgreSQL server.
struct TargetDatabase
{
    bool postgres = false;
    QString file; // SQLite
    QString serverName; // PostgreSQL database name
    QString problem;

    QString engineWord() const
    {
        return postgres ? QStringLiteral("odbc") : QStringLiteral("sqlite");
    }
    // What the bench workers get: the file, or the ODBC attribute text.
    QString address() const;
    QString describe() const;
    void configure(clsConnect &connection) const;
    // Configures `connection` for this library and opens it.
    bool open(clsConnect &connection) const;
};

namespace BenchLibrary {
// Makes (once; later runs reuse it) a library of `size` generated sermons with
// lectorum-mkdb --generate.
bool prepare(const QString &engine, int size, const QString &dataFolder, TargetDatabase &target);
// A counter row for the baseline of the key benchmark.
void prepareKeyCounters(const TargetDatabase &target);
QVariant scalar(DbDatabase &db, const QString &sql);
} // namespace BenchLibrary
