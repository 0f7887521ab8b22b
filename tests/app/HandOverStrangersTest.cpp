// The hand-over socket against other users: a listener of another user hears
// nothing, a request from another user opens nothing, and a launch never looks
// for the running program in a folder others can write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "app/SingleInstance.h"
#include "support/UiDriver.h"

namespace {

constexpr uid_t kNobody = 65534;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

sockaddr_un Address(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = Native(path);
    std::memcpy(address.sun_path, bytes.constData(), std::min(sizeof address.sun_path - 1, size_t(bytes.size())));
    return address;
}

// Whether fd has something to read (or has been hung up on) within ms.
bool Readable(int fd, int ms) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms) == 1;
}

// A child process running as the user nobody; only system calls run in it,
// none of Qt's. It reports one byte back to the test.
class Stranger {
public:
    explicit Stranger(std::function<char(int report)> body) {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(100);
            const char result = body(fds[1]);
            (void)!::write(fds[1], &result, 1);
            ::_exit(0);
        }
        ::close(fds[1]);
        report_ = fds[0];
    }
    ~Stranger() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (report_ >= 0)
            ::close(report_);
    }
    Stranger(const Stranger&) = delete;
    Stranger& operator=(const Stranger&) = delete;

    // The next byte the child reports, running the test's events meanwhile; 0 when none.
    char Next(int ms = 5000) {
        char c = 0;
        UiDriver::RunEventsUntil([&] { return Readable(report_, 0); }, ms);
        if (Readable(report_, 0) && ::read(report_, &c, 1) != 1)
            c = 0;
        return c;
    }

private:
    pid_t pid_ = -1;
    int report_ = -1;
};

class HandOverStrangers : public testing::Test {
protected:
    void SetUp() override {
        if (::getuid() != 0)
            GTEST_SKIP() << "running a program as another user needs root";
        ASSERT_TRUE(folder.isValid());
        // Open to the stranger, as a shared folder is.
        ASSERT_EQ(::chmod(Native(folder.path()).constData(), 01777), 0);
        name = folder.path() + "/brimel.socket";
    }

    QTemporaryDir folder;
    QString name;
};

TEST_F(HandOverStrangers, ALaunchTellsAnotherUsersListenerNothing) {
    const QString path = name;
    Stranger listener([path](int report) -> char {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = Address(path);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::chmod(address.sun_path, 0777) != 0 || ::listen(fd, 4) != 0)
            return 'e';
        (void)!::write(report, "r", 1);
        if (!Readable(fd, 5000))
            return 'n';  // nobody came
        const int client = ::accept(fd, nullptr, nullptr);
        // Whatever the launch writes before it hangs up.
        char buffer[4096];
        ssize_t total = 0;
        for (ssize_t n = 1; n > 0 && Readable(client, 2000);) {
            n = ::read(client, buffer, sizeof buffer);
            total += n > 0 ? n : 0;
        }
        return total == 0 ? '0' : 'w';
    });
    ASSERT_EQ(listener.Next(), 'r');

    EXPECT_EQ(SingleInstance(name).HandOver({"/home/someone/secret.brimel"}, 2000),
              SingleInstance::HandOverResult::Stranger);
    EXPECT_EQ(listener.Next(), '0') << "the listener received the request";
}

TEST_F(HandOverStrangers, AnotherUsersRequestOpensNothing) {
    // The bytes of a well-formed request, as a launch writes them.
    QLocalServer recorder;
    ASSERT_TRUE(recorder.listen(folder.path() + "/recorder.socket"));
    QByteArray request;
    QObject::connect(&recorder, &QLocalServer::newConnection, [&] {
        QLocalSocket* s = recorder.nextPendingConnection();
        QObject::connect(s, &QLocalSocket::readyRead, [&request, s] { request += s->readAll(); });
    });
    SingleInstance(recorder.fullServerName()).HandOver({"/tmp/planted.brimel"}, 300);
    ASSERT_FALSE(request.isEmpty());

    std::vector<QStringList> delivered;
    SingleInstance server(name);
    ASSERT_TRUE(server.Listen([&](const QStringList& files) { delivered.push_back(files); }));
    ASSERT_EQ(::chmod(Native(name).constData(), 0777), 0);  // as if the stranger could reach it

    const QString path = name;
    Stranger client([path, request](int) -> char {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = Address(path);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            return 'e';
        if (::write(fd, request.constData(), size_t(request.size())) != request.size())
            return 'h';  // hung up on before all was written
        char ack = 0;
        return Readable(fd, 3000) && ::read(fd, &ack, 1) == 1 && ack == '1' ? 'a' : 'h';
    });

    EXPECT_EQ(client.Next(), 'h') << "the request of another user was taken";
    UiDriver::RunEventsUntil([] { return false; }, 500);
    EXPECT_TRUE(delivered.empty());
}

// The real program, started with no runtime folder, as on a desktop without
// one: listeners at the names it used to fall back to in the shared temporary
// folder hear nothing, and later launches still reach it.
TEST(HandOverFolder, WithoutARuntimeFolderTheSharedTempFolderIsNeverUsed) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString tmp = root.path() + "/tmp";
    const QString home = root.path() + "/home";
    ASSERT_TRUE(QDir().mkpath(tmp));
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_EQ(::chmod(Native(tmp).constData(), 01777), 0);
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const QString qtRuntime = tmp + "/runtime-" + QString::fromLocal8Bit(user->pw_name);
    ASSERT_TRUE(QDir().mkpath(qtRuntime));
    ASSERT_EQ(::chmod(Native(qtRuntime).constData(), 0700), 0);

    int connections = 0;
    std::vector<std::unique_ptr<QLocalServer>> listeners;
    for (const QString& old : {tmp + "/brimel-" + QString::number(::getuid()), qtRuntime + "/brimel.socket"}) {
        auto listener = std::make_unique<QLocalServer>();
        ASSERT_TRUE(listener->listen(old)) << old.toStdString();
        QObject::connect(listener.get(), &QLocalServer::newConnection, [&] { ++connections; });
        listeners.push_back(std::move(listener));
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("XDG_CACHE_HOME");
    env.insert("HOME", home);
    env.insert("TMPDIR", tmp);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(BRIMEL_EXECUTABLE, {root.path() + "/secret.brimel"});
    ASSERT_TRUE(first.waitForStarted());

    const QString own = home + "/.cache/brimel";
    const QString socket = own + "/brimel-offscreen.socket";
    EXPECT_TRUE(UiDriver::RunEventsUntil([&] { return QFileInfo::exists(socket); }, 20000))
        << "the program does not listen";
    EXPECT_EQ(connections, 0) << "a launch went to the shared temporary folder";
    struct stat info {};
    ASSERT_EQ(::lstat(Native(own).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u) << "the program's own folder is open to others";

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(BRIMEL_EXECUTABLE, {root.path() + "/other.brimel"});
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the later launch was not handed over";
    EXPECT_EQ(connections, 0);

    first.kill();
    first.waitForFinished();
}

}  // namespace
