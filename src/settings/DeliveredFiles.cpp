#include "DeliveredFiles.h"

#include "ProgramTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef LECTORUM_DATA_FROM_BIN
#define LECTORUM_DATA_FROM_BIN "../share/lectorum"
#endif

// The help file marks a folder of delivered files: every build and every installation has
// it, and an installed program's bin folder never does.
bool DeliveredFiles::besideProgram()
{
    return QFileInfo::exists(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(HelpFile));
}

QString DeliveredFiles::folder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (besideProgram())
        return programFolder;
    return QDir::cleanPath(
        programFolder + QLatin1Char('/') + QStringLiteral(LECTORUM_DATA_FROM_BIN));
}

QString DeliveredFiles::filePath(const QString &name)
{
    return folder() + QLatin1Char('/') + name;
}

QString DeliveredFiles::helpFilePath()
{
    return helpFilePath(folder());
}

QString DeliveredFiles::helpFilePath(const QString &folder)
{
    const QString english = folder + QLatin1Char('/') + QLatin1String(HelpFile);
    const QString language = ProgramTranslation::language();
    if (language == QLatin1String("en"))
        return english;
    // A language without a help of its own (or whose help was not installed) reads English.
    const QFileInfo help(english);
    const QString translated = folder + QLatin1Char('/') + help.completeBaseName()
        + QLatin1Char('.') + language + QLatin1Char('.') + help.suffix();
    return QFileInfo(translated).isFile() ? translated : english;
}
