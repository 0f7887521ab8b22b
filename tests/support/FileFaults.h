#pragma once

// Faults of the file system provoked for real: a file-size limit, a full file
// system, another user's rights, a named pipe. Each runs in a child process, so
// that a limit, a mount or an identity set there stays there; the child's body
// checks what it must and returns 0 when all held.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QThreadPool>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace filefaults {

// The exit code of a child that could not set up its fault.
constexpr int kNotSetUp = 77;

// CI runs every test, as root: a test that cannot set up its fault fails there.
inline bool InCI() {
    const char* ci = std::getenv("CI");
    return ci && std::strcmp(ci, "true") == 0;
}

// Runs body in a child process; its exit code, -1 when it did not exit normally
// or hung for a minute. Threads do not live on in a child: the shared pool
// (painting uses it) lets its threads end first, and the child starts its own.
inline int InChild(const std::function<int()>& body) {
    QThreadPool::globalInstance()->waitForDone();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(60);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// body runs with every file limited to limit bytes; the signal is ignored, as
// the program does, so a write past the limit fails with "File too large".
inline int WithFileSizeLimit(qint64 limit, const std::function<int()>& body) {
    return InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limit), rlim_t(limit)};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0)
            return kNotSetUp;
        return body();
    });
}

// body runs with a tmpfs of size bytes mounted on folder, seen by the child
// alone and gone with it. Mounting needs root.
inline int OnTmpfs(const QString& folder, qint64 size, const std::function<int()>& body) {
    return InChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return kNotSetUp;
        const QByteArray options = "size=" + QByteArray::number(size);
        if (::mount("brimel-test", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
            return kNotSetUp;
        return body();
    });
}

// Fills the file system that holds folder until no byte more fits; the file
// "filler" takes the room.
inline bool FillUp(const QString& folder) {
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
    return filler.write("f", 1) <= 0;
}

// body runs as an ordinary user (nobody), to whom the rights of files apply;
// folder (the test's temporary folder) is opened to all for the way through.
// The same user when not root.
inline int AsOrdinaryUser(const QString& folder, const std::function<int()>& body) {
    if (::geteuid() == 0 && ::chmod(QFile::encodeName(folder).constData(), 0755) != 0)
        return kNotSetUp;
    return InChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return kNotSetUp;
        return body();
    });
}

// The system's own words for an error number.
inline QString SystemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

}  // namespace filefaults

// Skips a test whose fault cannot be set up here, saying why; in CI, where
// every test must run, fails it instead.
#define SKIP_UNLESS_CI(reason)                                 \
    do {                                                       \
        if (filefaults::InCI())                                \
            FAIL() << reason << " (in CI this test must run)"; \
        GTEST_SKIP() << reason;                                \
    } while (0)
