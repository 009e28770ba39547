#include "OutlineRecoveryFile.h"

#include "LibraryBackup.h"
#include "ProgramGlobals.h"
#include "UserDataFolder.h"
#include "clsConnect.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const QByteArray Magic = "Lectorum unsaved outline 1";
const QString Suffix = QStringLiteral(".outline");
const QString PartialSuffix = QStringLiteral(".partial");

// A header value on one line whatever it holds (a path may hold a line break).
QByteArray encodeValue(const QString &value)
{
    return QUrl::toPercentEncoding(value);
}

QString decodeValue(const QByteArray &value)
{
    return QUrl::fromPercentEncoding(value);
}

// The part of a name a person recognises: the library file's or database's own name, with
// anything a file name should not hold replaced.
QString readableName(const QString &library)
{
    QString name = library.section(QLatin1Char(':'), 1);
    if (library.startsWith(QLatin1String("file:"))) {
        name = QFileInfo(name).completeBaseName();
    } else {
        name = name.section(QStringLiteral("DATABASE="), 1);
    }
    QString safe;
    for (const QChar c : name.left(40)) {
        safe += (c.isLetterOrNumber() || c == QLatin1Char('_')) ? c : QLatin1Char('_');
    }
    return safe.isEmpty() ? QStringLiteral("library") : safe;
}

} // namespace

QString OutlineRecoveryFile::folder()
{
    const QString data = UserDataFolder::path();
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

QString OutlineRecoveryFile::currentLibrary()
{
    if (ProgramConnection().OnServer()) {
        if (!ProgramConnection().DBObject()) {
            return QString();
        }
        return QStringLiteral("odbc:DSN=") + ProgramConnection().DSN()
            + QStringLiteral(";DATABASE=") + ProgramConnection().DatabaseName();
    }
    if (ActiveDatabase.isEmpty() || !ProgramConnection().DBObject()) {
        return QString();
    }
    return QStringLiteral("file:") + QFileInfo(ActiveDatabase).absoluteFilePath();
}

QString OutlineRecoveryFile::namePrefix(const QString &library)
{
    const QByteArray hash
        = QCryptographicHash::hash(library.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return readableName(library) + QLatin1Char('-') + QString::fromLatin1(hash) + QLatin1Char('-');
}

QString OutlineRecoveryFile::pathFor(const QString &library, qint32 sermonID)
{
    const QString sermon = sermonID > 0 ? QString::number(sermonID) : QStringLiteral("new");
    return folder() + QLatin1Char('/') + namePrefix(library) + sermon + QLatin1Char('-')
        + QString::number(QCoreApplication::applicationPid()) + Suffix;
}

QStringList OutlineRecoveryFile::candidates(const QString &library)
{
    const QDir dir(folder());
    QStringList paths;
    const QStringList names = dir.entryList({ namePrefix(library) + QLatin1Char('*') + Suffix },
        QDir::Files, QDir::Time | QDir::Reversed);
    for (const QString &name : names) {
        paths.append(dir.filePath(name));
    }
    return paths;
}

QByteArray OutlineRecoveryFile::encode(const Outline &outline)
{
    const QByteArray body = outline.text.toUtf8();
    QByteArray data = Magic + '\n';
    data += "library: " + encodeValue(outline.library) + '\n';
    data += "sermon: " + QByteArray::number(outline.sermonID) + '\n';
    data += "title: " + encodeValue(outline.title) + '\n';
    data += "written: " + outline.written.toString(Qt::ISODate).toLatin1() + '\n';
    data += "length: " + QByteArray::number(body.size()) + '\n';
    data += "sha256: " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
    data += '\n';
    data += body;
    return data;
}

bool OutlineRecoveryFile::makeFolder(QString &error)
{
    const QString dir = folder();
    if (QFileInfo(dir).isDir()) {
        return true;
    }
    if (!UserDataFolder::create(error)) {
        return false;
    }
    if (!QDir().mkpath(dir)) {
        error = QCoreApplication::translate(
            "OutlineRecoveryFile", "The folder %1 could not be created.")
                    .arg(dir);
        return false;
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

bool OutlineRecoveryFile::write(const QString &path, const Outline &outline, QString &error)
{
    const QString dir = QFileInfo(path).absolutePath();
    if (!QFileInfo(dir).isDir() && !makeFolder(error)) {
        return false;
    }
    // The old copy stays whole until the new one is complete on disk: a kill at any moment
    // leaves one intact copy or the other.
    const QString partial = path + PartialSuffix;
    QFile file(partial);
    const QByteArray data = encode(outline);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(data) == data.size() && file.flush() && ::fsync(file.handle()) == 0;
    if (!ok) {
        error = QStringLiteral("%1: %2").arg(partial, file.errorString());
    }
    file.close();
    if (ok
        && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData())
            != 0) {
        error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        ok = false;
    }
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    LibraryBackup::syncPath(dir);
    return true;
}

OutlineRecoveryFile::Reading OutlineRecoveryFile::read(
    const QString &path, const QString &library, Outline &outline)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Reading::Damaged;
    }
    const QByteArray data = file.readAll();
    const qsizetype bodyAt = data.indexOf("\n\n");
    if (bodyAt < 0) {
        return Reading::Damaged;
    }
    const QList<QByteArray> lines = data.left(bodyAt).split('\n');
    if (lines.size() != 7 || lines.at(0) != Magic) {
        return Reading::Damaged;
    }
    const char *keys[]
        = { "library: ", "sermon: ", "title: ", "written: ", "length: ", "sha256: " };
    QList<QByteArray> values;
    for (int i = 0; i < 6; ++i) {
        if (!lines.at(i + 1).startsWith(keys[i])) {
            return Reading::Damaged;
        }
        values.append(lines.at(i + 1).mid(qsizetype(std::strlen(keys[i]))));
    }
    const QByteArray body = data.mid(bodyAt + 2);
    bool keyOk = false;
    bool lengthOk = false;
    const qint32 sermonID = values.at(1).toInt(&keyOk);
    const qsizetype length = values.at(4).toLongLong(&lengthOk);
    const QDateTime written = QDateTime::fromString(QString::fromLatin1(values.at(3)), Qt::ISODate);
    if (!keyOk || !lengthOk || sermonID < 0 || !written.isValid() || length != body.size()
        || QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() != values.at(5)) {
        return Reading::Damaged;
    }
    const QString owner = decodeValue(values.at(0));
    if (owner != library) {
        return Reading::OtherLibrary;
    }
    outline.library = owner;
    outline.sermonID = sermonID;
    outline.title = decodeValue(values.at(2));
    outline.written = written;
    outline.text = QString::fromUtf8(body);
    return Reading::Ok;
}

void OutlineRecoveryFile::remove(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + PartialSuffix);
}
