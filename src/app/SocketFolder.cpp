#include "app/SocketFolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// lstat, so that a link is seen as a link and never followed.
bool Status(const QString& path, struct stat* info) {
    return !path.isEmpty() && QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

}  // namespace

QString SocketFolder::Find(const QString& runtimeDir, const QString& cacheDir) {
    if (IsPrivate(runtimeDir)) {
        return runtimeDir;
    }
    if (IsOwnFolder(runtimeDir)) {
        const QString own = OwnFolderIn(runtimeDir);
        if (!own.isEmpty()) {
            return own;
        }
    }
    // A new account may have no cache folder yet; it is the user's to make.
    if (QDir::isAbsolutePath(cacheDir)) {
        QDir().mkpath(cacheDir);
    }
    return IsOwnFolder(cacheDir) ? OwnFolderIn(cacheDir) : QString();
}

bool SocketFolder::IsPrivate(const QString& path) {
    struct stat info {};
    return Status(path, &info) && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

bool SocketFolder::IsOwnFolder(const QString& path) {
    struct stat info {};
    return Status(path, &info) && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

QString SocketFolder::OwnFolderIn(const QString& parent) {
    const QString own = parent + QStringLiteral("/brimel");
    // An existing folder is taken as it is found or not at all: one that was
    // ever open to others may hold what they left there.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivate(own) ? own : QString();
}
