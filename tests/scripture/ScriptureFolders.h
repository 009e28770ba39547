#pragma once

#include <QString>
#include <QTemporaryDir>

// Module folders for Bible text tests: a copy of an installed module in a temporary folder
// (SWORD_PATH points there), which a test may then cut down or damage. HOME points to an
// empty folder meanwhile, so a developer's own ~/.sword does not count.
class ScriptureFolders
{
public:
    ScriptureFolders();
    ~ScriptureFolders();

    // Only the system's modules.
    void useSystem();
    // SWORD_PATH on an empty folder: no Bible.
    void useEmpty();
    // SWORD_PATH on a copy of the installed module; returns its data folder.
    QString useCopy(const QString &module);
    // The copied module's conf gets another versification.
    void setVersification(const QString &module, const QString &system);
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_home;
};
