#include "framework/core/CoreDumps.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// The core size limit of a process, as /proc shows it to others ("soft hard").
QString CoreLimit(pid_t pid) {
    QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
    if (!limits.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpression line(QStringLiteral("^Max core file size\\s+(\\S+)\\s+(\\S+)"),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(limits.readAll()));
    return m.hasMatch() ? m.captured(1) + " " + m.captured(2) : QString();
}

// The kernel gives the files in /proc of a process that may not be dumped to root.
uid_t ProcOwner(pid_t pid) {
    struct stat info {};
    const QByteArray status = QStringLiteral("/proc/%1/status").arg(pid).toLatin1();
    return ::stat(status.constData(), &info) == 0 ? info.st_uid : uid_t(-1);
}

char Receive(int fd) {
    char c = 0;
    return ::read(fd, &c, 1) == 1 ? c : 0;
}

void Send(int fd, char c) {
    ASSERT_EQ(::write(fd, &c, 1), 1);
}

// A process that turns core dumps off, watched from outside. Root's own
// processes have root's /proc files either way, so as root it runs as
// nobody, and dumpable again, as a process of that user starts.
TEST(CoreDumps, ARunningProcessShowsNoCoreLimitAndCannotBeDumped) {
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ||
                                ::prctl(PR_SET_DUMPABLE, 1, 0, 0, 0) != 0))
            ::_exit(1);
        rlimit core{};
        ::getrlimit(RLIMIT_CORE, &core);
        core.rlim_cur = core.rlim_max;  // as much as the process may have
        ::setrlimit(RLIMIT_CORE, &core);
        (void)!::write(fromChild[1], "a", 1);
        Receive(toChild[0]);
        (void)!::write(fromChild[1], CoreDumps::Disable() ? "1" : "0", 1);
        Receive(toChild[0]);
        ::_exit(0);
    }
    const uid_t childUid = ::getuid() == 0 ? kNobody : ::getuid();
    ASSERT_EQ(Receive(fromChild[0]), 'a');
    EXPECT_EQ(ProcOwner(pid), childUid) << "the process is not dumpable before it asks";

    Send(toChild[1], 'b');
    EXPECT_EQ(Receive(fromChild[0]), '1');
    EXPECT_EQ(CoreLimit(pid).toStdString(), "0 0");
    EXPECT_EQ(ProcOwner(pid), 0u) << "the process can still be dumped";

    Send(toChild[1], 'c');
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
        ::close(fd);
}

}  // namespace
