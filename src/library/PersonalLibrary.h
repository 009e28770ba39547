#pragma once

#include <QString>

// The library of a user whose program cannot keep it in its own folder (an installed
// program): a copy of the delivered empty library in the user's data folder, made once, on
// the first run.
class PersonalLibrary
{
public:
    enum class Result {
        Copied, // the delivered library was copied to the target
        Found, // a library was already there; it is kept as it is
        MadeMeanwhile, // another copy of the program made it while this one waited
        Failed, // nothing was placed; the reason says why
    };

    static constexpr int DefaultWaitMilliseconds = 20000;

    // The folder a first run names as the library's folder: the program's own folder when
    // the delivered files are beside the program and it may write there (a build or portable
    // folder); otherwise the user's data folder.
    static QString firstRunFolder();

    // Puts a copy of the delivered library `source` at `target` unless a file is already
    // there, which is never replaced. Copies of the program that start at once take turns
    // through a lock file beside the target: one copies, the others wait (up to
    // waitMilliseconds) and find its copy. The copy is written under a temporary name, opened
    // as a database, and only then renamed to `target`, so no copy of the program ever opens
    // a half-written library.
    static Result place(const QString &source, const QString &target, QString &reason,
        int waitMilliseconds = DefaultWaitMilliseconds);
};
