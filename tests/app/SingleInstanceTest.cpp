#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "app/AppTestFixture.h"
#include "app/SingleInstance.h"

namespace {

// Runs events until done() holds or the time is up; returns done().
bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return done();
}

// The running program (its App and the server) and a later launch (a client),
// both in this process, on a socket of the test's own.
class SingleInstanceTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(socketDir.isValid());
        name = socketDir.path() + "/brimel.socket";
    }

    void StartServer() {
        server = std::make_unique<SingleInstance>(name);
        ASSERT_TRUE(server->Listen([this](const QStringList& files) {
            requests.push_back(files);
            app->DeliverLaunchEvents(files);
        })) << server->ServerError().toStdString();
    }

    SingleInstance::HandOverResult LaterLaunch(const QStringList& files) {
        return SingleInstance(name).HandOver(files, 2000);
    }

    QString WriteDoc(const QString& fileName, const QString& title) {
        return WriteFile(fileName, Document("pw", CurrentRecords("0*0*639*376", {{title, "", "", "", ""}})));
    }

    QTemporaryDir socketDir;
    QString name;
    std::unique_ptr<SingleInstance> server;
    std::vector<QStringList> requests;
};

TEST_F(SingleInstanceTest, WithoutARunningProgramNothingIsHandedOver) {
    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::NoServer);
    EXPECT_EQ(LaterLaunch({"/tmp/a.brimel"}), SingleInstance::HandOverResult::NoServer);
}

TEST_F(SingleInstanceTest, ALaterLaunchsFilesOpenEachInANewWindow) {
    StartServer();
    app->DeliverLaunchEvents({});  // the running program's untitled1
    const QString a = WriteDoc("a.brimel", "A");
    const QString b = WriteDoc("b.brimel", "B");
    AnswerPassword("pw");
    AnswerPassword("pw");

    EXPECT_EQ(LaterLaunch({a, b}), SingleInstance::HandOverResult::Delivered);
    ASSERT_TRUE(WaitUntil([&] { return DocumentWindows().size() == 3; }));
    EXPECT_EQ(DocumentTitles(), (QStringList{"b.brimel", "a.brimel", "untitled1"}));
    EXPECT_EQ(Titles(*DocumentWindows().front()), QStringList{"B"});
}

TEST_F(SingleInstanceTest, RelativeNamesAreResolvedInTheLaterLaunchsFolder) {
    StartServer();
    const QString a = WriteDoc("rel.brimel", "R");
    AnswerPassword("pw");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(a).path()));
    const SingleInstance::HandOverResult result = LaterLaunch({"rel.brimel"});
    QDir::setCurrent(before);

    EXPECT_EQ(result, SingleInstance::HandOverResult::Delivered);
    ASSERT_TRUE(WaitUntil([&] { return !DocumentWindows().empty(); }));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], QStringList{FolderItem(a).NativePath()});
}

TEST_F(SingleInstanceTest, ALaterLaunchWithoutFilesAsksForANewUntitledWindow) {
    StartServer();
    app->DeliverLaunchEvents({});
    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::Delivered);
    ASSERT_TRUE(WaitUntil([&] { return DocumentWindows().size() == 2; }));
    EXPECT_EQ(DocumentTitles(), (QStringList{"untitled2", "untitled1"}));
}

TEST_F(SingleInstanceTest, AStaleSocketFromACrashedRunDoesNotBlockStartUp) {
    // A socket file nobody listens on, as a killed program leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(name));

    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::NoServer);
    StartServer();
    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::Delivered);
    EXPECT_TRUE(WaitUntil([&] { return DocumentWindows().size() == 1; }));
}

TEST_F(SingleInstanceTest, ALiveSocketIsNeverTakenOver) {
    StartServer();
    SingleInstance second(name);
    EXPECT_FALSE(second.Listen([](const QStringList&) { ADD_FAILURE() << "the second server got a request"; }));
    EXPECT_TRUE(server->Listening());
    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::Delivered);
    EXPECT_TRUE(WaitUntil([&] { return requests.size() == 1; }));
}

TEST_F(SingleInstanceTest, SomethingThatDoesNotAnswerIsReportedAsSuch) {
    // A listener that accepts and never replies.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(name));
    EXPECT_EQ(SingleInstance(name).HandOver({}, 300), SingleInstance::HandOverResult::NoAnswer);
}

TEST_F(SingleInstanceTest, GarbageOnTheSocketIsDroppedAndTheServerGoesOn) {
    StartServer();
    QLocalSocket intruder;
    intruder.connectToServer(name);
    ASSERT_TRUE(intruder.waitForConnected(1000));
    intruder.write(QByteArray::fromHex("7fffffff") + QByteArray(64, 'x'));
    intruder.flush();
    EXPECT_TRUE(WaitUntil([&] { return intruder.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_TRUE(requests.empty());

    EXPECT_EQ(LaterLaunch({}), SingleInstance::HandOverResult::Delivered);
    EXPECT_TRUE(WaitUntil([&] { return requests.size() == 1; }));
}

TEST_F(SingleInstanceTest, ARequestWaitsUntilTheQuestionOnScreenIsAnswered) {
    StartServer();
    const QString a = WriteDoc("a.brimel", "A");
    const QString b = WriteDoc("b.brimel", "B");
    // While the password of a is asked, a later launch hands over b.
    UiDriver::AnswerNextModal([&](Window& w) {
        EXPECT_EQ(LaterLaunch({b}), SingleInstance::HandOverResult::Delivered);
        WaitUntil([] { return false; }, 300);
        EXPECT_EQ(requests.size(), 1u) << "b must not be opened inside a's question";
        auto& dialog = dynamic_cast<Password&>(w);
        UiDriver::Type(dialog.EditField1(), "pw");
        UiDriver::PressReturn(dialog);
    });
    AnswerPassword("pw");

    EXPECT_EQ(LaterLaunch({a}), SingleInstance::HandOverResult::Delivered);
    ASSERT_TRUE(WaitUntil([&] { return DocumentWindows().size() == 2; }));
    EXPECT_EQ(DocumentTitles(), (QStringList{"b.brimel", "a.brimel"}));
}

}  // namespace
