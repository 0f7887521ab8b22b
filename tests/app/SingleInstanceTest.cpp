#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "app/AppTestFixture.h"
#include "app/SingleInstance.h"
#include "dialogs/Password2.h"
#include "framework/ui/DesktopServicesQt.h"
#include "framework/ui/Label.h"

namespace {

// Runs events until done() holds or the time is up; returns done().
bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    return UiDriver::RunEventsUntil(done, ms);
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

// The desktop's own dialogs and message boxes, as the program shows them
// outside the tests; whileShown acts as the user once one is on screen.
class RealDialogs : public DesktopServicesQt {
public:
    std::function<void(QWidget& dialog)> whileShown;

    void MsgBox(const QString& message) override {
        AnswerWhenShown();
        DesktopServicesQt::MsgBox(message);
    }
    std::optional<FolderItem> GetOpenFolderItem(const QString& filter) override {
        AnswerWhenShown();
        return DesktopServicesQt::GetOpenFolderItem(filter);
    }
    std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                const FolderItem& folder) override {
        AnswerWhenShown();
        return DesktopServicesQt::GetSaveFolderItem(filter, proposedName, folder);
    }

private:
    void AnswerWhenShown() {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!qobject_cast<QFileDialog*>(dialog) && !qobject_cast<QMessageBox*>(dialog))
                return;
            poll->stop();
            whileShown(*dialog);
            poll->deleteLater();
        });
        poll->start(20);
    }
};

void ChooseFile(QWidget& dialog, const QString& path) {
    // The user types the path into the name field and presses Save.
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

// A road of a document window that shows one of the desktop's dialogs after
// the program's own questions.
struct DesktopDialogRoad {
    const char* name;
    const char* menuItem;
    const char* gatePassword;  // typed at the password gate; null: no gate
    bool newPassword;          // Password2 asks next
    std::function<void(QWidget& dialog, FakeDesktop& files)> answer;
    const char* written;  // the file the road writes; null for none
};

class HandOverDuringADesktopDialog : public SingleInstanceTest,
                                     public testing::WithParamInterface<DesktopDialogRoad> {};

// A later launch while the desktop's dialog is up: its document is asked for
// only once that dialog is answered, with a new, empty password prompt, and
// the road that showed the dialog ends as it would have without it.
TEST_P(HandOverDuringADesktopDialog, TheRequestWaitsAndThenAsksWithAnEmptyPrompt) {
    const DesktopDialogRoad& road = GetParam();
    StartServer();
    const QString a = WriteDoc("a.brimel", "A");
    const QString b = WriteDoc("b.brimel", "B");
    AnswerPassword("pw");
    app->DeliverLaunchEvents({a});
    ASSERT_EQ(DocumentTitles(), QStringList{"a.brimel"});

    auto real = std::make_unique<RealDialogs>();
    RealDialogs& dialogs = *real;
    std::unique_ptr<DesktopServices> fake = DesktopServices::Set(std::move(real));
    bool dialogUp = false;
    dialogs.whileShown = [&](QWidget& dialog) {
        dialogUp = true;
        for (Window* w : Window::All())
            EXPECT_EQ(dynamic_cast<Password*>(w), nullptr) << "a password dialog is kept through the desktop's dialog";
        EXPECT_EQ(LaterLaunch({b}), SingleInstance::HandOverResult::Delivered);
        WaitUntil([] { return false; }, 700);  // several of the request's retries
        dialogUp = false;
        road.answer(dialog, *desktop);
    };
    if (road.gatePassword)
        AnswerPassword(road.gatePassword);
    if (road.newPassword) {
        UiDriver::AnswerNextModal([](Window& w) {
            auto& dialog = dynamic_cast<Password2&>(w);
            UiDriver::Type(dialog.EditField1(), "new");
            UiDriver::Type(dialog.EditField2(), "new");
            UiDriver::PressReturn(dialog);
        });
    }
    UiDriver::AnswerNextModal([&](Window& w) {
        EXPECT_FALSE(dialogUp) << "asked while the desktop's dialog was up";
        auto& prompt = dynamic_cast<Password&>(w);
        EXPECT_EQ(prompt.EditField1().Text(), QString()) << "the prompt holds an earlier answer";
        EXPECT_EQ(prompt.StaticText1().Text(), "Enter Document Password");
        UiDriver::Type(prompt.EditField1(), "pw");
        UiDriver::PressReturn(prompt);
    });

    Menu::Instance().Choose(road.menuItem);
    EXPECT_TRUE(WaitUntil([&] { return DocumentWindows().size() == 2; }));
    DesktopServices::Set(std::move(fake));

    EXPECT_EQ(Titles(*DocumentWindows().front()), QStringList{"B"});
    if (road.written) {
        EXPECT_TRUE(QFile::exists(desktop->TempPath(road.written))) << road.written;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, HandOverDuringADesktopDialog,
    testing::Values(DesktopDialogRoad{"SaveAsFileDialog", "FileSaveAs", "pw", true,
                                      [](QWidget& d, FakeDesktop& f) { ChooseFile(d, f.TempPath("c.brimel")); },
                                      "c.brimel"},
                    DesktopDialogRoad{"ExportFileDialog", "FileExport", "pw", false,
                                      [](QWidget& d, FakeDesktop& f) { ChooseFile(d, f.TempPath("a.tsv")); }, "a.tsv"},
                    DesktopDialogRoad{"WrongPasswordMessage", "FileSaveAs", "PW", false,
                                      [](QWidget& d, FakeDesktop&) { dynamic_cast<QDialog&>(d).accept(); }, nullptr},
                    DesktopDialogRoad{"OpenFileDialog", "FileOpen", nullptr, false,
                                      [](QWidget& d, FakeDesktop&) { dynamic_cast<QDialog&>(d).reject(); }, nullptr}),
    [](const testing::TestParamInfo<DesktopDialogRoad>& info) { return info.param.name; });

}  // namespace
