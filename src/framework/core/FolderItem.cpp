#include "framework/core/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FolderItem::FolderItem(const QString& path) {
    if (!path.isEmpty())
        path_ = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool FolderItem::IsNull() const {
    return path_.isEmpty();
}

QString FolderItem::Name() const {
    return IsNull() ? QString() : QFileInfo(path_).fileName();
}

QString FolderItem::NativePath() const {
    return QDir::toNativeSeparators(path_);
}

FolderItem FolderItem::Parent() const {
    if (IsNull() || path_ == QLatin1String("/"))
        return FolderItem();
    return FolderItem(QFileInfo(path_).path());
}

FolderItem FolderItem::Child(const QString& name) const {
    if (IsNull() || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')))
        return FolderItem();
    return FolderItem(path_ == QLatin1String("/") ? path_ + name : path_ + QLatin1Char('/') + name);
}

bool FolderItem::Exists() const {
    return !IsNull() && QFileInfo::exists(path_);
}

namespace {

std::unique_ptr<BinaryStream> Refuse(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return nullptr;
}

QString SystemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why something that is not a regular file is neither read nor written as one.
QString NotAFileReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file.");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe, not a file.");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file.");
    return QStringLiteral("it is not a regular file.");
}

// What stands at path, links followed; false with *reason when nothing does.
bool StatPath(const QString& path, struct stat* info, QString* reason) {
    if (::stat(QFile::encodeName(path).constData(), info) == 0)
        return true;
    *reason = SystemReason(errno);
    return false;
}

}  // namespace

bool FolderItem::IsSameFileAs(const FolderItem& other) const {
    if (IsNull() || other.IsNull())
        return false;
    struct stat mine {};
    struct stat theirs {};
    QString reason;
    if (StatPath(path_, &mine, &reason) && StatPath(other.path_, &theirs, &reason))
        return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
    return ResolvedPath() == other.ResolvedPath();
}

// Where the item's bytes are, or would be written: its own links followed (as
// a replaced file's are), then those of its folder.
QString FolderItem::ResolvedPath() const {
    QFileInfo info(path_);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    return (folder.isEmpty() ? info.path() : folder) + QLatin1Char('/') + info.fileName();
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(QString* error) const {
    if (IsNull())
        return Refuse(error, QStringLiteral("No file was given."));
    // Looked at before it is opened: opening a device can act on it, and
    // opening a pipe waits for a writer.
    struct stat info {};
    QString reason;
    if (!StatPath(path_, &info, &reason))
        return Refuse(error, reason);
    if (!S_ISREG(info.st_mode))
        return Refuse(error, NotAFileReason(info.st_mode));
    // Without waiting, and looked at again, for it may have changed since.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Refuse(error, SystemReason(errno));
    if (::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Refuse(error, NotAFileReason(info.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Refuse(error, file->errorString());
    }
    if (error)
        error->clear();
    return std::make_unique<BinaryStream>(std::move(file));
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const QString& typeName, QString* error,
                                                           Access access) const {
    Q_UNUSED(typeName);
    if (IsNull())
        return Refuse(error, QStringLiteral("No file was given."));
    struct stat info {};
    QString reason;
    const bool existed = StatPath(path_, &info, &reason);
    // A pipe or a device is neither written to nor replaced by a file.
    if (existed && !S_ISREG(info.st_mode))
        return Refuse(error, NotAFileReason(info.st_mode));
    auto file = std::make_unique<QSaveFile>(path_);
    // Never write in place: a failure halfway must leave the old file whole.
    file->setDirectWriteFallback(false);
    // Unbuffered: the stream gathers the bytes itself, and the result of each
    // write is the system's.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Refuse(error, file->errorString());
    // The temporary file becomes the file on commit; QSaveFile has given it
    // the mode of the file it replaces.
    if ((!existed || access == Access::OwnerOnly) && ::fchmod(file->handle(), S_IRUSR | S_IWUSR) != 0) {
        reason = SystemReason(errno);
        file->cancelWriting();
        return Refuse(error, reason);
    }
    if (error)
        error->clear();
    return std::make_unique<BinaryStream>(std::move(file));
}
