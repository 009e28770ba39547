#pragma once

#include <QString>

// The folder that holds this user's own Lectorum files when the program's folder is not
// theirs to write: the library of an installed program and the files kept beside it
// (backups, recovery copies). It is the application data folder of QStandardPaths,
// ~/.local/share/lectorum for the program (XDG_DATA_HOME moves it).
class UserDataFolder
{
public:
    // The folder's path, whether or not it exists yet; empty when the system names none.
    static QString path();

    // Makes the folder (with its parents) when it is missing, readable by its owner only.
    // False when it cannot be made or written; `reason` then says why, naming the folder.
    static bool create(QString &reason);
};
