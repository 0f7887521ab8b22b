#include "framework/core/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/FileFaults.h"

#include <cstring>
#include <optional>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    const FolderItem sub = Folder().Child(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub.NativePath()));
    ASSERT_EQ(::chmod(sub.NativePath().toLocal8Bit().constData(), 0555), 0);
    // Rights do not bind root: the save is made by an ordinary user.
    const int code = filefaults::AsOrdinaryUser(dir_.path(), [&] {
        QString error;
        const bool created = sub.Child(QStringLiteral("a.brimel")).CreateBinaryFile(QString(), &error) != nullptr;
        return !created && error == filefaults::SystemReason(EACCES) ? 0 : 1;
    });
    ::chmod(sub.NativePath().toLocal8Bit().constData(), 0700);
    EXPECT_EQ(code, 0);
}

TEST_F(FolderItemFiles, OpenFailuresAreReported) {
    QString error;
    EXPECT_EQ(Folder().Child(QStringLiteral("none")).OpenAsBinaryFile(&error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_EQ(Folder().OpenAsBinaryFile(&error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

// The records of a file of size bytes: texts of 255 bytes, the last shorter.
std::vector<QByteArray> RecordsOfSize(qint64 size) {
    std::vector<QByteArray> records;
    for (qint64 left = size; left > 0; left -= 256)
        records.push_back(QByteArray(int(qMin<qint64>(left, 256) - 1), char('a' + records.size() % 26)));
    return records;
}

QByteArray Bytes(const std::vector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes.append(char(r.size())).append(r);
    return bytes;
}

// Writes the records to f as a document, and closes; the reason when that failed.
std::optional<QString> WriteDocument(const FolderItem& f, const std::vector<QByteArray>& records,
                                     FolderItem::Access access = FolderItem::Access::Kept) {
    QString error;
    auto out = f.CreateBinaryFile(QStringLiteral("Brimel Document"), &error, access);
    if (!out)
        return error;
    for (const QByteArray& r : records)
        out->WritePString(r);
    if (!out->Close(&error))
        return error;
    return std::nullopt;
}

const qint64 kSizes[] = {600, 20 * 1024, 300 * 1024};

// A real process whose file-size limit stops the write anywhere, from the first
// byte to the last: Close fails with the system's reason, and the old document
// is left whole, with its mode, and no temporary file beside it.
TEST_F(FolderItemFiles, AFileSizeLimitAnywhereFailsCloseAndKeepsTheOldFile) {
    const FolderItem f = Folder().Child(QStringLiteral("doc.brimel"));
    const QByteArray old(5000, 'o');
    for (const qint64 size : kSizes) {
        const std::vector<QByteArray> records = RecordsOfSize(size);
        ASSERT_EQ(Bytes(records).size(), size);
        for (const qint64 limit : {qint64(0), qint64(1), qint64(100), size / 2, size - 1, size}) {
            Put(f, old, 0640);
            const int code = filefaults::WithFileSizeLimit(limit, [&] {
                const std::optional<QString> error = WriteDocument(f, records);
                if (limit == size)
                    return error ? 1 : 0;
                return error == filefaults::SystemReason(EFBIG) ? 0 : 2;
            });
            EXPECT_EQ(code, 0) << "size " << size << ", limit " << limit;
            EXPECT_EQ(Contents(f), limit == size ? Bytes(records) : old) << "size " << size << ", limit " << limit;
            EXPECT_EQ(Mode(f), mode_t(0640));
            EXPECT_EQ(Entries(), QStringList{QStringLiteral("doc.brimel")});
        }
    }
}

// A real file system with no room left: the same, and once there is room the
// document is written.
TEST_F(FolderItemFiles, AFullFileSystemFailsCloseAndKeepsTheOldFile) {
    const QString disk = dir_.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(disk));
    const FolderItem f(disk + QStringLiteral("/doc.brimel"));
    for (const qint64 size : kSizes) {
        const std::vector<QByteArray> records = RecordsOfSize(size);
        const int code = filefaults::OnTmpfs(disk, 1024 * 1024, [&] {
            const QByteArray old(size / 2, 'o');
            Put(f, old, 0600);
            if (!filefaults::FillUp(disk))
                return 1;
            if (WriteDocument(f, records) != filefaults::SystemReason(ENOSPC))
                return 2;
            if (Contents(f) != old || QDir(disk).entryList(QDir::Files | QDir::Hidden).size() != 2)
                return 3;
            QFile::remove(disk + QStringLiteral("/filler"));
            return !WriteDocument(f, records) && Contents(f) == Bytes(records) ? 0 : 4;
        });
        if (code == filefaults::kNotSetUp)
            SKIP_UNLESS_CI("no tmpfs can be mounted here: that takes root");
        EXPECT_EQ(code, 0) << "size " << size << " (1: not filled, 2: not refused, 3: old file changed, 4: no save)";
    }
}

// A cleartext file is for its owner's eyes alone once it is written; the file
// it replaces keeps its mode until then, and for good when the write fails.
TEST_F(FolderItemFiles, AnOwnerOnlyFileReplacesTheOldOneOnlyWhenWritten) {
    const FolderItem f = Folder().Child(QStringLiteral("out.tsv"));
    Put(f, "old", 0644);
    auto out = f.CreateBinaryFile(QString(), nullptr, FolderItem::Access::OwnerOnly);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->Write("secret"));
    EXPECT_EQ(Mode(f), mode_t(0644));
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(Contents(f), "secret");
    EXPECT_EQ(Mode(f), mode_t(0600));

    Put(f, "old", 0644);
    const int code = filefaults::WithFileSizeLimit(
        1, [&] { return WriteDocument(f, {"secret"}, FolderItem::Access::OwnerOnly) ? 0 : 1; });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Contents(f), "old");
    EXPECT_EQ(Mode(f), mode_t(0644));
    EXPECT_EQ(Entries(), QStringList{f.Name()});
}

// A pipe, a socket or a folder is refused at once, for reading and for
// writing, and stays what it was: opening never waits for a writer.
TEST_F(FolderItemFiles, OnlyRegularFilesAreOpenedOrReplaced) {
    const QString pipe = dir_.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(pipe, dir_.filePath(QStringLiteral("pipe-link"))));
    const QString socketPath = dir_.filePath(QStringLiteral("socket"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const struct {
        QString path;
        QString reason;
        bool writable;
    } cases[] = {
        {pipe, "it is a named pipe, not a file.", true},
        {dir_.filePath(QStringLiteral("pipe-link")), "it is a named pipe, not a file.", true},
        {socketPath, "it is a socket, not a file.", true},
        {dir_.path(), "it is a folder, not a file.", true},
        {QStringLiteral("/dev/null"), "it is a device, not a file.", false},  // never written, even by root
    };
    ::alarm(20);  // a wait in open() ends the test rather than hang it
    for (const auto& c : cases) {
        const FolderItem f(c.path);
        QString error;
        EXPECT_EQ(f.OpenAsBinaryFile(&error), nullptr) << c.path.toStdString();
        EXPECT_EQ(error, c.reason) << c.path.toStdString();
        if (c.writable) {
            EXPECT_EQ(f.CreateBinaryFile(QString(), &error), nullptr) << c.path.toStdString();
            EXPECT_EQ(error, c.reason) << c.path.toStdString();
        }
    }
    ::alarm(0);
    ::close(sock);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(Entries(), (QStringList{"pipe", "pipe-link", "socket"}));
}

TEST_F(FolderItemFiles, TheSameFileIsKnownUnderEveryName) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("docs")));
    const QString docs = dir_.filePath(QStringLiteral("docs"));
    const FolderItem document(docs + QStringLiteral("/Bank.brimel"));
    Put(document, "enciphered", 0600);
    Put(FolderItem(docs + QStringLiteral("/Copy.brimel")), "enciphered", 0600);
    ASSERT_TRUE(QFile::link(docs, dir_.filePath(QStringLiteral("docs-link"))));
    ASSERT_TRUE(QFile::link(document.NativePath(), dir_.filePath(QStringLiteral("file-link"))));
    ASSERT_EQ(::link(QFile::encodeName(document.NativePath()).constData(),
                     QFile::encodeName(dir_.filePath(QStringLiteral("hard"))).constData()),
              0);
    const FolderItem gone(docs + QStringLiteral("/Gone.brimel"));  // a document that is not there
    const struct {
        QString path;
        const FolderItem& of;
        bool same;
    } cases[] = {
        {docs + QStringLiteral("/../docs/Bank.brimel"), document, true},
        {dir_.filePath(QStringLiteral("docs-link/Bank.brimel")), document, true},
        {dir_.filePath(QStringLiteral("file-link")), document, true},
        {dir_.filePath(QStringLiteral("hard")), document, true},
        {docs + QStringLiteral("/Copy.brimel"), document, false},
        {docs + QStringLiteral("/New.brimel"), document, false},
        {dir_.filePath(QStringLiteral("docs-link/Gone.brimel")), gone, true},
        {docs + QStringLiteral("/New.brimel"), gone, false},
        {QString(), document, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderItem(c.path).IsSameFileAs(c.of), c.same) << c.path.toStdString();
        EXPECT_EQ(c.of.IsSameFileAs(FolderItem(c.path)), c.same) << c.path.toStdString();
    }
}

}  // namespace
