#include "framework/core/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class FolderItemFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        oldMask_ = ::umask(022);
    }
    void TearDown() override { ::umask(oldMask_); }

    FolderItem Folder() const { return FolderItem(dir_.path()); }

    static QByteArray Contents(const FolderItem& f) {
        QFile file(f.NativePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void Put(const FolderItem& f, const QByteArray& bytes, mode_t mode) {
        QFile file(f.NativePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ASSERT_EQ(::chmod(f.NativePath().toLocal8Bit().constData(), mode), 0);
    }
    static mode_t Mode(const FolderItem& f) {
        struct stat st {};
        return ::stat(f.NativePath().toLocal8Bit().constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    // Nothing but the files the test made: no temporary file left behind.
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir dir_;
    mode_t oldMask_ = 0;
};

TEST(FolderItem, PathParts) {
    const FolderItem f(QStringLiteral("/tmp/some/../docs/Secrets.brimel"));
    EXPECT_FALSE(f.IsNull());
    EXPECT_EQ(f.NativePath(), QStringLiteral("/tmp/docs/Secrets.brimel"));
    EXPECT_EQ(f.Name(), QStringLiteral("Secrets.brimel"));
    EXPECT_EQ(f.Parent().NativePath(), QStringLiteral("/tmp/docs"));
    EXPECT_EQ(f.Parent().Child(QStringLiteral("x.pct")).NativePath(), QStringLiteral("/tmp/docs/x.pct"));
    EXPECT_EQ(FolderItem(QStringLiteral("/")).Child(QStringLiteral("etc")).NativePath(), QStringLiteral("/etc"));
    EXPECT_TRUE(FolderItem(QStringLiteral("/")).Parent().IsNull());
    for (const char* bad : {"", ".", "..", "a/b"})
        EXPECT_TRUE(f.Parent().Child(QString::fromLatin1(bad)).IsNull()) << bad;
}

TEST(FolderItem, NullItemDoesNothing) {
    const FolderItem nil;
    EXPECT_TRUE(nil.IsNull());
    EXPECT_TRUE(FolderItem(QString()).IsNull());
    EXPECT_EQ(nil.Name(), QString());
    EXPECT_FALSE(nil.Exists());
    EXPECT_TRUE(nil.Parent().IsNull());
    EXPECT_TRUE(nil.Child(QStringLiteral("a")).IsNull());
    QString error;
    EXPECT_EQ(nil.OpenAsBinaryFile(&error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(nil.CreateBinaryFile(QString(), &error), nullptr);
}

TEST_F(FolderItemFiles, WriteThenReadBack) {
    const FolderItem f = Folder().Child(QStringLiteral("a.brimel"));
    EXPECT_FALSE(f.Exists());
    QString error;
    auto out = f.CreateBinaryFile(QStringLiteral("Brimel Document"), &error);
    ASSERT_NE(out, nullptr) << error.toStdString();
    ASSERT_TRUE(out->WritePString("BRIMEL141"));
    ASSERT_TRUE(out->WritePString(QByteArray()));
    ASSERT_TRUE(out->Write("\x01z"));
    ASSERT_TRUE(out->Close(&error)) << error.toStdString();
    EXPECT_TRUE(f.Exists());
    EXPECT_EQ(Contents(f), QByteArray("\x09"
                                      "BRIMEL141"
                                      "\x00"
                                      "\x01z",
                                      13));

    auto in = f.OpenAsBinaryFile(&error);
    ASSERT_NE(in, nullptr) << error.toStdString();
    EXPECT_EQ(in->ReadPString(), QByteArray("BRIMEL141"));
    EXPECT_EQ(in->ReadPString(), QByteArray());
    EXPECT_FALSE(in->EndOfFile());
    EXPECT_EQ(in->ReadPString(), QByteArray("z"));
    EXPECT_TRUE(in->EndOfFile());
    EXPECT_EQ(in->ReadPString(), QByteArray());
    EXPECT_FALSE(in->Write("x"));  // read-only
    EXPECT_EQ(Contents(f).size(), 13);
}

TEST_F(FolderItemFiles, NewFileIsForItsOwnerOnly) {
    const FolderItem f = Folder().Child(QStringLiteral("new.tsv"));
    auto out = f.CreateBinaryFile(QString());
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->Write("secret"));
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(Mode(f), mode_t(0600));
}

TEST_F(FolderItemFiles, ReplacedFileKeepsItsModeAndStaysUntilClose) {
    for (mode_t mode : {mode_t(0644), mode_t(0640), mode_t(0600)}) {
        const FolderItem f = Folder().Child(QStringLiteral("old.brimel"));
        Put(f, "old content", mode);
        auto out = f.CreateBinaryFile(QStringLiteral("Brimel Document"));
        ASSERT_NE(out, nullptr);
        ASSERT_TRUE(out->Write("new content"));
        EXPECT_EQ(Contents(f), QByteArray("old content"));  // not yet replaced
        ASSERT_TRUE(out->Close());
        EXPECT_EQ(Contents(f), QByteArray("new content"));
        EXPECT_EQ(Mode(f), mode) << std::oct << mode;
        EXPECT_EQ(Entries(), QStringList{QStringLiteral("old.brimel")});
    }
}

TEST_F(FolderItemFiles, StreamDroppedWithoutCloseLeavesOldFile) {
    const FolderItem f = Folder().Child(QStringLiteral("keep.brimel"));
    Put(f, "old content", 0600);
    {
        auto out = f.CreateBinaryFile(QString());
        ASSERT_NE(out, nullptr);
        ASSERT_TRUE(out->Write("half"));
    }
    EXPECT_EQ(Contents(f), QByteArray("old content"));
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("keep.brimel")});
}

TEST_F(FolderItemFiles, CannotCreateIsReported) {
    const FolderItem plain = Folder().Child(QStringLiteral("plain"));
    Put(plain, "x", 0600);
    const FolderItem targets[] = {
        Folder().Child(QStringLiteral("missing")).Child(QStringLiteral("a.brimel")),  // no such folder
        plain.Child(QStringLiteral("a.brimel")),                                      // parent is a file
        Folder(),                                                                     // a folder, not a file
    };
    for (const FolderItem& t : targets) {
        QString error;
        EXPECT_EQ(t.CreateBinaryFile(QString(), &error), nullptr) << t.NativePath().toStdString();
        EXPECT_FALSE(error.isEmpty()) << t.NativePath().toStdString();
    }
}

TEST_F(FolderItemFiles, UnwritableFolderIsReported) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const FolderItem sub = Folder().Child(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub.NativePath()));
    ASSERT_EQ(::chmod(sub.NativePath().toLocal8Bit().constData(), 0500), 0);
    QString error;
    EXPECT_EQ(sub.Child(QStringLiteral("a.brimel")).CreateBinaryFile(QString(), &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    ::chmod(sub.NativePath().toLocal8Bit().constData(), 0700);
}

TEST_F(FolderItemFiles, OpenFailuresAreReported) {
    QString error;
    EXPECT_EQ(Folder().Child(QStringLiteral("none")).OpenAsBinaryFile(&error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_EQ(Folder().OpenAsBinaryFile(&error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

// A real process whose file-size limit stops the write halfway: Close must
// fail, and the old document must be left whole.
TEST_F(FolderItemFiles, FullDiskFailsCloseAndKeepsOldFile) {
    const FolderItem f = Folder().Child(QStringLiteral("full.brimel"));
    const QByteArray old(5000, 'o');
    Put(f, old, 0640);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        auto out = f.CreateBinaryFile(QStringLiteral("Brimel Document"));
        if (!out)
            ::_exit(10);
        bool wrote = true;
        for (int i = 0; i < 2000 && wrote; ++i)
            wrote = out->WritePString(QByteArray(255, 'n'));
        const bool closed = out->Close();
        const bool reported = !out->ErrorString().isEmpty();
        ::_exit(closed ? 11 : (reported ? 0 : 12));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: not created, 11: Close succeeded, 12: no reason";
    EXPECT_EQ(Contents(f), old);
    EXPECT_EQ(Mode(f), mode_t(0640));
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("full.brimel")});
}

}  // namespace
