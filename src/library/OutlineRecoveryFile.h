#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A copy of an outline that was typed but not saved yet, kept in the user's data folder
// (UserDataFolder, under "recovery") so that a program that stops without a word (killed,
// crashed, the computer switched off) loses at most the last few seconds of typing.
//
// One file per library, sermon and running copy of the program:
//   <library>-<8 hex digits of the library's identity>-<sermon key or "new">-<process>.outline
// holding a small header and the outline's UTF-8 bytes:
//   Lectorum unsaved outline 1
//   library: <identity, percent-encoded>
//   sermon: <key, 0 for a sermon not saved yet>
//   title: <title, percent-encoded>
//   written: <local date and time, ISO>
//   length: <bytes of the outline>
//   sha256: <hex digest of those bytes>
//   <empty line>
//   <the outline>
// A file whose length or digest does not match was torn or damaged and is never offered.
// Files are written whole under "<name>.partial", synced and renamed over the old copy.
class OutlineRecoveryFile
{
public:
    struct Outline
    {
        QString library;
        qint32 sermonID = 0;
        QString title;
        QDateTime written;
        QString text;
    };

    enum class Reading { Ok, Damaged, OtherLibrary };

    // Where the copies live; empty when the system names no data folder.
    static QString folder();
    // The open library as the copies name it: "file:" and the library's absolute path, or
    // "odbc:" with the data source and database name of a server library (never the user or
    // password). Empty when no library is open.
    static QString currentLibrary();
    // The file this copy of the program keeps for `sermonID` (0: a new sermon) of `library`.
    static QString pathFor(const QString &library, qint32 sermonID);
    // Every file named for `library` (by any copy of the program), oldest name first;
    // read() still decides whether one belongs to it.
    static QStringList candidates(const QString &library);

    // Makes folder() (private to the user) when it is missing; false with `error` otherwise.
    static bool makeFolder(QString &error);
    // Writes `outline` to `path` whole (temporary name, sync, rename). False with `error`
    // when the folder cannot be made or the file cannot be written.
    static bool write(const QString &path, const Outline &outline, QString &error);
    // Reads `path`; Ok only for an intact file of `library`.
    static Reading read(const QString &path, const QString &library, Outline &outline);
    // Removes the copy and a temporary file left beside it.
    static void remove(const QString &path);

    // The file's contents for `outline` (what write() puts on disk).
    static QByteArray encode(const Outline &outline);

private:
    static QString namePrefix(const QString &library);
};
