#pragma once

#include <QStringList>

struct sqlite3;

// The floor for a list fill on this machine: the list query run through SQLite's C API
// (prepare, step) and the same four cell strings a grid row holds, joined by tabs, with
// nothing between the library and the strings.
class BareSqliteList
{
public:
    explicit BareSqliteList(const QString &file);
    ~BareSqliteList();
    BareSqliteList(const BareSqliteList &) = delete;
    BareSqliteList &operator=(const BareSqliteList &) = delete;

    // `sql` selects key, reference, preacher's last name, big idea and title, in list order.
    QStringList rows(const QString &sql);
    QString problem() const { return m_problem; }

private:
    sqlite3 *m_handle = nullptr;
    QString m_problem;
};
