#include "framework/core/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

}  // namespace

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(QString* error) const {
    if (IsNull())
        return Refuse(error, QStringLiteral("No file was given."));
    if (QFileInfo(path_).isDir())
        return Refuse(error, QStringLiteral("\"%1\" is a folder.").arg(Name()));
    auto file = std::make_unique<QFile>(path_);
    if (!file->open(QIODevice::ReadOnly))
        return Refuse(error, file->errorString());
    if (error)
        error->clear();
    return std::make_unique<BinaryStream>(std::move(file));
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const QString& typeName, QString* error) const {
    Q_UNUSED(typeName);
    if (IsNull())
        return Refuse(error, QStringLiteral("No file was given."));
    const bool existed = QFileInfo::exists(path_);
    auto file = std::make_unique<QSaveFile>(path_);
    // Never write in place: a failure halfway must leave the old file whole.
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly))
        return Refuse(error, file->errorString());
    // The temporary file becomes the file on commit; a replaced file's mode is
    // carried over by QSaveFile, a new one is for its owner alone.
    if (!existed && ::fchmod(file->handle(), S_IRUSR | S_IWUSR) != 0) {
        file->cancelWriting();
        return Refuse(error, QString::fromLocal8Bit(strerror(errno)));
    }
    if (error)
        error->clear();
    return std::make_unique<BinaryStream>(std::move(file));
}
