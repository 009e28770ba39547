#pragma once

#include <QString>

// What the program offers when a local library turns out to be damaged as it is opened (at
// start-up or by Change Database): the newest backup that passes its check, restored in its
// place with the damaged file kept aside.
namespace LibraryRecovery {

// The number of an open failure says the file is damaged or not a database (3343, SQLite's
// 11 and 26).
bool isDamage(int errorNumber);

// After `libraryPath` failed to open (the failure already shown): when the engine finds the
// file damaged, offerRestore(). True when the library was restored.
bool offerIfDamaged(const QString &libraryPath);

// Asks "Restore the newest good backup from <date>?" when a good backup of `libraryPath`
// exists; Yes restores it and says where the damaged file was kept. True when the library
// was restored; false when there is no good backup, the user said No or the restore failed
// (which is then reported).
bool offerRestore(const QString &libraryPath);

} // namespace LibraryRecovery
