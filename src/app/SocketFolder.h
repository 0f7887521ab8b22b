#pragma once

#include <QString>

// The folder of the hand-over socket: one that only this user can enter, so
// that no other user can listen in the program's place, learn which documents
// it opens, or hand it files.
class SocketFolder {
public:
    // runtimeDir ($XDG_RUNTIME_DIR) itself when it is private; otherwise a
    // folder of the program's own, made private inside runtimeDir when that is
    // the user's, else inside cacheDir; empty when there is none.
    static QString Find(const QString& runtimeDir, const QString& cacheDir);

    // A real folder (not a link) owned by this user that nobody else may enter.
    static bool IsPrivate(const QString& path);

private:
    // A real folder owned by this user.
    static bool IsOwnFolder(const QString& path);
    // The program's own folder inside parent, made 0700 when missing; empty
    // when it cannot be made or is not private.
    static QString OwnFolderIn(const QString& parent);
};
