#include "UserDataFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

QString UserDataFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool UserDataFolder::create(QString &reason)
{
    const QString folder = path();
    if (folder.isEmpty()) {
        reason = QCoreApplication::translate(
            "UserDataFolder", "This system names no data folder for the user (is HOME set?).");
        return false;
    }
    namespace fs = std::filesystem;
    const fs::path leaf(QFile::encodeName(folder).toStdString());
    std::error_code error;
    if (!fs::is_directory(leaf, error)) {
        // Only the folder itself is made private: its parents (~/.local/share) are shared
        // by every program and keep the permissions the system gives them.
        fs::create_directories(leaf.parent_path(), error);
        if (!error && fs::create_directory(leaf, error))
            fs::permissions(leaf, fs::perms::owner_all, fs::perm_options::replace, error);
        if (error || !fs::is_directory(leaf)) {
            reason = QCoreApplication::translate(
                "UserDataFolder", "The folder %1 could not be created: %2.")
                         .arg(folder,
                             error ? QString::fromStdString(error.message())
                                   : QCoreApplication::translate("UserDataFolder", "not a folder"));
            return false;
        }
    }
    if (!QFileInfo(folder).isWritable()) {
        reason
            = QCoreApplication::translate("UserDataFolder", "The folder %1 may not be written to.")
                  .arg(folder);
        return false;
    }
    return true;
}
