#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "app/SingleInstance.h"
#include "app/SocketFolder.h"

namespace {

constexpr uid_t kNobody = 65534;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

void MakeFolder(const QString& path, mode_t mode) {
    ASSERT_TRUE(QDir().mkpath(path)) << path.toStdString();
    ASSERT_EQ(::chmod(Native(path).constData(), mode), 0);
}

// A runtime folder and a cache folder in their many states; the folder the
// socket goes to, or none.
struct FolderCase {
    const char* name;
    const char* runtime;  // $XDG_RUNTIME_DIR inside the test's folder, "./..." as given; null: unset
    const char* cache;
    std::function<void(const QString& root)> setUp;
    const char* expected;  // inside the test's folder; "" for none
    bool needsRoot;
};

class SocketFolderCases : public testing::TestWithParam<FolderCase> {
protected:
    QString In(const char* relative) const { return relative ? root.path() + "/" + relative : QString(); }
    QTemporaryDir root;
};

TEST_P(SocketFolderCases, TheSocketGoesOnlyWhereNobodyElseCanEnter) {
    const FolderCase& c = GetParam();
    if (c.needsRoot && ::getuid() != 0)
        GTEST_SKIP() << "making a folder owned by another user needs root";
    ASSERT_TRUE(root.isValid());
    c.setUp(root.path());

    const bool asGiven = c.runtime && QByteArray(c.runtime).startsWith("./");
    const QString found = SocketFolder::Find(asGiven ? QString::fromLatin1(c.runtime) : In(c.runtime), In(c.cache));

    EXPECT_EQ(found, *c.expected ? In(c.expected) : QString());
    if (!found.isEmpty()) {
        struct stat info {};
        ASSERT_EQ(::lstat(Native(found).constData(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_EQ(info.st_uid, ::getuid());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SocketFolderCases,
    testing::Values(FolderCase{"PrivateRuntimeFolder", "run", "cache",
                               [](const QString& r) { MakeFolder(r + "/run", 0700); }, "run", false},
                    FolderCase{"RuntimeFolderOpenToOthers", "run", "cache",
                               [](const QString& r) { MakeFolder(r + "/run", 0755); }, "run/brimel", false},
                    FolderCase{"RuntimeFolderWritableByAll", "run", "cache",
                               [](const QString& r) { MakeFolder(r + "/run", 01777); }, "run/brimel", false},
                    FolderCase{"RuntimeFolderIsALink", "run", "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/real", 0700);
                                   MakeFolder(r + "/cache", 0755);
                                   ASSERT_TRUE(QFile::link(r + "/real", r + "/run"));
                               },
                               "cache/brimel", false},
                    FolderCase{"RuntimeUnset", nullptr, "cache",
                               [](const QString& r) { MakeFolder(r + "/cache", 0755); }, "cache/brimel", false},
                    FolderCase{"RuntimeMissing", "run", "cache",
                               [](const QString& r) { MakeFolder(r + "/cache", 0755); }, "cache/brimel", false},
                    FolderCase{"RuntimeNotAbsolute", "./run", "cache",
                               [](const QString& r) { MakeFolder(r + "/cache", 0700); }, "cache/brimel", false},
                    FolderCase{"NoCacheFolderYet", nullptr, "home/.cache",
                               [](const QString& r) { MakeFolder(r + "/home", 0700); }, "home/.cache/brimel", false},
                    FolderCase{"OwnFolderFoundOpenToOthers", nullptr, "cache",
                               [](const QString& r) { MakeFolder(r + "/cache/brimel", 0777); }, "", false},
                    FolderCase{"OwnFolderIsALink", nullptr, "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/cache", 0700);
                                   MakeFolder(r + "/elsewhere", 0700);
                                   ASSERT_TRUE(QFile::link(r + "/elsewhere", r + "/cache/brimel"));
                               },
                               "", false},
                    FolderCase{"OwnFolderIsAFile", nullptr, "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/cache", 0700);
                                   QFile file(r + "/cache/brimel");
                                   ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                               },
                               "", false},
                    FolderCase{"NeitherFolderUsable", nullptr, nullptr, [](const QString&) {}, "", false},
                    FolderCase{"RuntimeFolderOfAnotherUser", "run", "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/run", 0700);
                                   ASSERT_EQ(::chown(Native(r + "/run").constData(), kNobody, kNobody), 0);
                                   MakeFolder(r + "/cache", 0700);
                               },
                               "cache/brimel", true},
                    FolderCase{"OwnFolderOfAnotherUser", nullptr, "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/cache/brimel", 0700);
                                   ASSERT_EQ(::chown(Native(r + "/cache/brimel").constData(), kNobody, kNobody), 0);
                               },
                               "", true},
                    FolderCase{"CacheFolderOfAnotherUser", nullptr, "cache",
                               [](const QString& r) {
                                   MakeFolder(r + "/cache", 0777);
                                   ASSERT_EQ(::chown(Native(r + "/cache").constData(), kNobody, kNobody), 0);
                               },
                               "", true}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

// One socket per display, each a plain name in the private folder.
TEST(SocketName, EachDisplayHasASocketOfItsOwnInThePrivateFolder) {
    QTemporaryDir run;
    ASSERT_TRUE(run.isValid());
    ASSERT_EQ(::chmod(Native(run.path()).constData(), 0700), 0);
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", Native(run.path()));

    QStringList names;
    for (const char* display : {":1", ":2", "host:10", "wayland-0", "/run/user/1000/wayland-0", "offscreen"}) {
        const QString name = SingleInstance::DefaultSocketName(QString::fromLatin1(display));
        EXPECT_EQ(QFileInfo(name).path(), run.path()) << display;
        EXPECT_TRUE(QFileInfo(name).fileName().startsWith("brimel-")) << display;
        EXPECT_FALSE(names.contains(name)) << display;
        names << name;
    }
    EXPECT_EQ(SingleInstance::DefaultSocketName(":1"), names.first()) << "the same display, the same socket";
    qputenv("XDG_RUNTIME_DIR", before);
}

}  // namespace
