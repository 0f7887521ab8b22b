#pragma once

#include "framework/core/BinaryStream.h"

#include <QString>
#include <memory>

// A reference to a file or folder by its path; the item need not exist.
// "nil" is the null FolderItem (default constructed): IsNull() is true, its
// Name and NativePath are "", it does not exist and opens nothing.
class FolderItem {
public:
    FolderItem() = default;
    // The path is made absolute and cleaned; an empty path gives a null item.
    explicit FolderItem(const QString& path);

    bool IsNull() const;
    // The last component of the path, extension included ("a.brimel").
    QString Name() const;
    QString NativePath() const;
    // The folder that holds this item; null for the root or a null item.
    FolderItem Parent() const;
    // The item called name inside this folder, whether it exists or not.
    // Null when name is empty, ".", ".." or holds a "/".
    FolderItem Child(const QString& name) const;
    bool Exists() const;

    // Whether this and other name the same file: the same file on the same
    // device (through any link) when both exist, else the same place once the
    // links on the way are followed.
    bool IsSameFileAs(const FolderItem& other) const;

    // Opens the existing file for reading only, at its start. Only a regular
    // file is opened, and opening never waits (a named pipe, a device, a
    // socket or a folder is refused at once). Null with the reason in *error
    // when it cannot be opened.
    std::unique_ptr<BinaryStream> OpenAsBinaryFile(QString* error = nullptr) const;

    // Who may read a file that CreateBinaryFile replaces.
    enum class Access {
        Kept,       // the replaced file's permissions carry over
        OwnerOnly,  // readable and writable by its owner only (0600), whatever it replaces
    };

    // Creates the file anew and empty for writing. The new content goes to a
    // temporary file in the same folder; the file itself is replaced only when
    // the stream's Close succeeds. A new file is readable and writable by its
    // owner only (0600); a replaced one as access says, set before any byte
    // is written. Anything but a regular file is refused, never replaced.
    // typeName names the document type; Linux keeps no file type, so it is
    // not stored. Null with the reason in *error when the file cannot be
    // created.
    std::unique_ptr<BinaryStream> CreateBinaryFile(const QString& typeName, QString* error = nullptr,
                                                   Access access = Access::Kept) const;

    bool operator==(const FolderItem& o) const { return path_ == o.path_; }
    bool operator!=(const FolderItem& o) const { return path_ != o.path_; }

private:
    QString ResolvedPath() const;

    QString path_;
};
