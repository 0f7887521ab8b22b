#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QSemaphore>
#include <QThreadPool>
#include <QWidget>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/AppTestFixture.h"
#include "document/format/DocumentReader.h"
#include "support/FileFaults.h"
#include "framework/ui/Label.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/ToolbarItem.h"
#include "support/TestNames.h"

namespace {

const std::vector<EntryRow> kTwoEntries = {
    {"Bank", "http://bank.example", "anna", "s3cret", "PIN 1234"},
    {"Mail", "", "anna@example", "p\u00e9", "line 1\rline 2"},
};

class OpenDocumentTest : public AppTest {
protected:
    // Opens path through File > Open, answering the password question.
    void OpenWithPassword(const QString& path, const QString& password) {
        desktop->AnswerOpen(path);
        AnswerPassword(password);
        EXPECT_FALSE(Menu::Instance().Choose("FileOpen"));
    }

    static EntryRow Shown(MainWindow& w) {
        return EntryRow{w.EditField1().Text(), w.EditField2().Text(), w.EditField3().Text(), w.EditField4().Text(),
                        w.EditField5().Text()};
    }
};

TEST_F(OpenDocumentTest, RightPasswordOpensTheDocumentWriteProtected) {
    const QString path =
        WriteFile("Bank.brimel", Document("open sesame", CurrentRecords("40*160*639*376", kTwoEntries)));
    OpenWithPassword(path, "open sesame");

    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    EXPECT_EQ(desktop->openFilters, QStringList{QString()});
    EXPECT_TRUE(desktop->messages.isEmpty());
    EXPECT_EQ(w.Title(), "Bank.brimel");
    EXPECT_EQ(w.Document, FolderItem(path));
    EXPECT_EQ(w.key, "open sesame");
    EXPECT_EQ(w.entry, 2);
    EXPECT_EQ(w.myArray[0], kTwoEntries[0]);
    EXPECT_EQ(w.myArray[1], kTwoEntries[1]);
    ASSERT_EQ(w.ListBox1().ListCount(), 2);
    EXPECT_EQ(w.ListBox1().List(0), "Bank");
    EXPECT_EQ(w.ListBox1().List(1), "Mail");
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(Shown(w), kTwoEntries[0]);
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(w.EntriesAreLocked);
    EXPECT_TRUE(w.EditField1().ReadOnly());
    EXPECT_TRUE(w.EditField5().ReadOnly());
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Edit Off");
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_EQ(w.FocusControl(), &w.EditField6());
    EXPECT_EQ(w.Left(), 40);
    EXPECT_EQ(w.Top(), 160);
    EXPECT_EQ(w.Width(), 639);
    EXPECT_EQ(w.Height(), 376);
    // The password dialog is closed after a right password: the next one is new.
    EXPECT_TRUE(Password::Instance().ButtonPressed.isEmpty());
}

// The window is made ready while the password is asked, and stays unseen
// until its entries are in it.
TEST_F(OpenDocumentTest, TheDocumentWindowStaysHiddenWhileThePasswordIsAsked) {
    const QString path = WriteFile("Bank.brimel", Document("pw", CurrentRecords("40*60*639*376", kTwoEntries)));
    desktop->AnswerOpen(path);
    std::vector<bool> shownWhileAsked;
    UiDriver::AnswerNextModal([&shownWhileAsked](Window& asking) {
        for (MainWindow* w : DocumentWindows())
            shownWhileAsked.push_back(w->Visible());
        auto& dialog = dynamic_cast<Password&>(asking);
        UiDriver::Type(dialog.EditField1(), "pw");
        UiDriver::PressReturn(dialog);
    });
    Menu::Instance().Choose("FileOpen");

    EXPECT_EQ(shownWhileAsked, std::vector<bool>{false});
    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(Shown(w), kTwoEntries[0]);
}

TEST_F(OpenDocumentTest, TheOpenDocumentEventGivesTheSameWindowAsFileOpen) {
    const QString path = WriteFile("Bank.brimel", Document("pw", CurrentRecords("40*60*639*376", kTwoEntries)));
    OpenWithPassword(path, "pw");
    AnswerPassword("pw");
    app->Event_OpenDocument(FolderItem(path));

    // The same file twice gives two independent windows.
    const std::vector<MainWindow*> windows = DocumentWindows();
    ASSERT_EQ(windows.size(), 2u);
    for (MainWindow* w : windows) {
        EXPECT_EQ(w->Title(), "Bank.brimel");
        EXPECT_EQ(Titles(*w), (QStringList{"Bank", "Mail"}));
        EXPECT_EQ(w->Left(), 40);
        EXPECT_EQ(w->FocusControl(), &w->EditField6());
    }
    windows[0]->myArray[0][0] = "changed";
    EXPECT_EQ(windows[1]->myArray[0][0], "Bank");
}

TEST_F(OpenDocumentTest, CancelledOpenDialogChangesNothing) {
    const QString path = WriteFile("a.brimel", Document("pw", CurrentRecords("0*0*639*376", kTwoEntries)));
    OpenWithPassword(path, "pw");
    RC4* before = app->out.get();
    ASSERT_NE(before, nullptr);

    desktop->CancelOpen();
    EXPECT_FALSE(Menu::Instance().Choose("FileOpen"));
    app->Event_OpenDocument(FolderItem());

    EXPECT_EQ(DocumentWindows().size(), 1u);
    EXPECT_EQ(app->out.get(), before);
}

TEST_F(OpenDocumentTest, CancelInThePasswordDialogClosesTheUnshownWindowSilently) {
    const QString path = WriteFile("a.brimel", Document("pw", CurrentRecords("0*0*639*376", kTwoEntries)));
    desktop->AnswerOpen(path);
    CancelPassword();
    Menu::Instance().Choose("FileOpen");

    EXPECT_TRUE(DocumentWindows().empty());
    EXPECT_TRUE(desktop->messages.isEmpty());
    // Left hidden, not closed: shown again as it was on the next open.
    Password& dialog = Password::Instance();
    EXPECT_FALSE(dialog.IsClosed());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(dialog.ButtonPressed, "Cancel");
    EXPECT_TRUE(dialog.EditField1().Text().isEmpty());

    OpenWithPassword(path, "pw");
    EXPECT_EQ(DocumentWindows().size(), 1u);
}

TEST_F(OpenDocumentTest, WrongPasswordIsReportedOnceAfterTheWindowHasClosed) {
    const QString path = WriteFile("a.brimel", Document("right", CurrentRecords("0*0*639*376", kTwoEntries)));
    int windowsWhenShown = -1;
    desktop->onMsgBox = [&](const QString&) { windowsWhenShown = static_cast<int>(DocumentWindows().size()); };

    OpenWithPassword(path, "wrong");
    EXPECT_EQ(desktop->messages, QStringList{"Wrong Password!"});
    EXPECT_EQ(windowsWhenShown, 0);
    EXPECT_TRUE(DocumentWindows().empty());

    // No second attempt inside; opening again asks again.
    OpenWithPassword(path, "right");
    EXPECT_EQ(DocumentWindows().size(), 1u);
    EXPECT_EQ(desktop->messages.size(), 1);
}

TEST_F(OpenDocumentTest, OlderFormatHasNoGeometryAndKeepsTheLayoutsPlace) {
    // Where the platform puts a window the program does not place.
    auto* reference = new MainWindow();
    reference->Show();
    const int left = reference->Left(), top = reference->Top(), width = reference->Width(),
              height = reference->Height();
    reference->Close();

    std::vector<QByteArray> records{"VUZIZEREV"};
    for (const QString& cell : kTwoEntries[0])
        records.push_back(testdoc::macRoman(cell));
    const QString path = WriteFile("old.brimel", Document("pw", records));
    OpenWithPassword(path, "pw");

    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    EXPECT_EQ(w.entry, 1);
    EXPECT_EQ(w.myArray[0], kTwoEntries[0]);
    EXPECT_EQ(w.Left(), left);
    EXPECT_EQ(w.Top(), top);
    EXPECT_EQ(w.Width(), width);
    EXPECT_EQ(w.Height(), height);
}

TEST_F(OpenDocumentTest, TheCommittedSamplesOfBothFormatsOpen) {
    const struct {
        const char* file;
        int entries;
    } cases[] = {{"current-2-entries.brimel", 2}, {"older-1-entry.brimel", 1}};
    for (const auto& c : cases) {
        OpenWithPassword(QStringLiteral(BRIMEL_TEST_DATA "/") + c.file, "fixture");
        ASSERT_EQ(DocumentWindows().size(), 1u) << c.file;
        MainWindow& w = *DocumentWindows().front();
        EXPECT_EQ(w.Title(), c.file);
        EXPECT_EQ(w.entry, c.entries) << c.file;
        EXPECT_EQ(w.EditField1().Text(), QString::fromUtf8("Caf\xC3\xA9")) << c.file;
        w.Close();
        UiDriver::ProcessEvents();
    }
    EXPECT_TRUE(desktop->messages.isEmpty());
}

enum class Placed { AsStored, ByLayout, OnScreen };

struct GeometryCase {
    const char* name;
    const char* geometry;
    Placed placed;
};

void PrintTo(const GeometryCase& c, std::ostream* os) {
    *os << c.geometry;
}

class OpenGeometryTest : public OpenDocumentTest, public testing::WithParamInterface<GeometryCase> {};

// The stored place is taken when its corner lies on the main screen (the
// screen the fake desktop reports); the window then keeps its whole frame
// within the real screen's available area, as stored where that fits.
TEST_P(OpenGeometryTest, StoredPlaceIsTakenWithItsCornerOnTheMainScreenAndKeptOnIt) {
    desktop->screenWidth = 1024;
    desktop->screenHeight = 768;
    auto* reference = new MainWindow();
    reference->KeepOnScreen();
    reference->Show();
    UiDriver::ProcessEvents();
    const QRect layout(reference->Left(), reference->Top(), reference->Width(), reference->Height());
    reference->Close();

    const GeometryCase& c = GetParam();
    const QString path = WriteFile("g.brimel", Document("pw", CurrentRecords(c.geometry, kTwoEntries)));
    OpenWithPassword(path, "pw");
    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    UiDriver::ProcessEvents();

    const QList<QByteArray> pieces = QByteArray(c.geometry).split('*');
    const QRect stored(pieces[0].toInt(), pieces[1].toInt(), pieces[2].toInt(), pieces[3].toInt());
    const QRect shown(w.Left(), w.Top(), w.Width(), w.Height());
    const QRect area = w.Widget()->screen()->availableGeometry();
    const QRect frame = w.Widget()->frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    switch (c.placed) {
        case Placed::AsStored:
            EXPECT_EQ(shown, stored);
            break;
        case Placed::ByLayout:
            EXPECT_EQ(shown, layout);
            break;
        case Placed::OnScreen: {
            // Moved the least, and shrunk only where it cannot fit.
            const int spareWidth = area.width() - (frame.width() - shown.width());
            const int spareHeight = area.height() - (frame.height() - shown.height());
            EXPECT_EQ(shown.width(), std::min(stored.width(), spareWidth));
            EXPECT_EQ(shown.height(), std::min(stored.height(), spareHeight));
            EXPECT_TRUE(frame.left() == area.left() || frame.right() == area.right() || shown.left() == stored.left());
            EXPECT_TRUE(frame.top() == area.top() || frame.bottom() == area.bottom() || shown.top() == stored.top());
            EXPECT_NE(shown, stored);
            break;
        }
    }
    EXPECT_EQ(w.entry, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenGeometryTest,
    testing::Values(GeometryCase{"LeftOffTheScreen", "-1*10*700*450", Placed::ByLayout},        // left off the screen
                    GeometryCase{"TopOffTheScreen", "10*-1*700*450", Placed::ByLayout},         // top off the screen
                    GeometryCase{"LeftAtTheScreenWidth", "1024*10*700*450", Placed::ByLayout},  // left = screen width
                    GeometryCase{"TopAtTheScreenHeight", "10*768*700*450", Placed::ByLayout},   // top = screen height
                    GeometryCase{"RoomForTheBarsAbove", "40*160*639*376", Placed::AsStored},  // room for the bars above
                    GeometryCase{"RoomAllAround", "80*200*700*450", Placed::AsStored},        // room all around
                    GeometryCase{"BarsAboveTheScreen", "40*60*639*376", Placed::OnScreen},  // the bars above the screen
                    GeometryCase{"TheCornerItself", "0*0*700*450", Placed::OnScreen},       // the corner itself
                    GeometryCase{"LastPixel", "1023*767*700*450", Placed::OnScreen},        // last pixel
                    GeometryCase{"LargerThanTheScreen", "100*50*1900*1400",
                                 Placed::OnScreen},                                 // larger than the screen
                    GeometryCase{"FarLarger", "9*9*65000*65000", Placed::OnScreen}  // far larger
                    ),
    CaseName());

// Saved, closed and opened again, a window comes back exactly where the user
// left it, at the screen's corner and edges as well: no drift by the bars or
// the borders.
TEST_F(OpenDocumentTest, ADocumentSavedHereReopensExactlyWhereItWas) {
    const QString path = WriteFile("Bank.brimel", Document("pw", CurrentRecords("40*160*639*376", kTwoEntries)));
    OpenWithPassword(path, "pw");
    UiDriver::ProcessEvents();
    const QRect area = DocumentWindows().front()->Widget()->screen()->availableGeometry();
    const QPoint corners[] = {area.topLeft() + QPoint(150, 60), area.topLeft(), area.bottomRight()};
    for (const QPoint& corner : corners) {
        MainWindow& w = *DocumentWindows().front();
        // Dragged by its title bar (the frame moves), then resized by its border.
        QRect frame = w.Widget()->frameGeometry();
        frame.moveTo(corner);
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        w.Widget()->move(frame.topLeft());
        UiDriver::ProcessEvents();
        const QRect placed(w.Left(), w.Top(), w.Width(), w.Height());
        w.RunMenuHandler("FileSave");
        w.Close();
        UiDriver::ProcessEvents();

        OpenWithPassword(path, "pw");
        ASSERT_EQ(DocumentWindows().size(), 1u);
        MainWindow& again = *DocumentWindows().front();
        UiDriver::ProcessEvents();
        EXPECT_EQ(QRect(again.Left(), again.Top(), again.Width(), again.Height()), placed);
        EXPECT_TRUE(area.contains(again.Widget()->frameGeometry()));
    }
    EXPECT_TRUE(desktop->messages.isEmpty());
}

TEST_F(OpenDocumentTest, AFileEndingInsideAnEntryKeepsThatEntry) {
    std::vector<QByteArray> records = CurrentRecords("0*0*639*376", kTwoEntries);
    records.resize(records.size() - 3);  // the second entry keeps its title and URL only
    const QString path = WriteFile("cut.brimel", Document("pw", records));
    OpenWithPassword(path, "pw");

    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    EXPECT_EQ(w.entry, 2);
    EXPECT_EQ(w.myArray[1], (EntryRow{"Mail", "", "", "", ""}));
    EXPECT_EQ(w.ListBox1().List(1), "Mail");
}

TEST_F(OpenDocumentTest, ADocumentWithoutEntriesOpensWithNothingSelected) {
    for (const auto& records : {std::vector<QByteArray>{"BRIMEL141", "10*20*639*376"},
                                std::vector<QByteArray>{"BRIMEL141"}, std::vector<QByteArray>{"VUZIZEREV"}}) {
        const QString path = WriteFile("empty.brimel", Document("pw", records));
        OpenWithPassword(path, "pw");
        ASSERT_EQ(DocumentWindows().size(), 1u);
        MainWindow& w = *DocumentWindows().front();
        EXPECT_EQ(w.entry, 0);
        EXPECT_EQ(w.ListBox1().ListCount(), 0);
        EXPECT_EQ(w.ListBox1().ListIndex(), -1);
        EXPECT_TRUE(w.Visible());
        EXPECT_TRUE(desktop->messages.isEmpty());
        w.Close();
        UiDriver::ProcessEvents();
    }
}

// With no entry there is no row to store an edit in: the editors take no
// text, so nothing typed is lost unseen. The first entry added opens them.
TEST_F(OpenDocumentTest, ADocumentWithoutEntriesTakesTextOnlyOnceAnEntryIsAdded) {
    OpenWithPassword(WriteFile("empty.brimel", Document("pw", {"BRIMEL141"})), "pw");
    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    UiDriver::ClickToolbarItem(w.ToolbarItem4());
    ASSERT_FALSE(w.EntriesAreLocked);
    std::vector<RectControl*> editors{&w.EditField1(), &w.EditField2(), &w.EditField3(), &w.EditField4(),
                                      &w.EditField5()};
    for (RectControl* editor : editors) {
        UiDriver::Click(*editor);
        UiDriver::Type(*editor, "typed");
        EXPECT_FALSE(editor->Enabled());
        EXPECT_NE(w.FocusControl(), editor);
    }
    EXPECT_EQ(Shown(w), EntryRow{});
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.Modified());

    UiDriver::ClickToolbarItem(w.ToolbarItem2());
    for (RectControl* editor : editors)
        EXPECT_TRUE(editor->Enabled());
    UiDriver::Type(w.EditField1(), "Bank");
    UiDriver::Click(w.EditField5());
    UiDriver::Type(w.EditField5(), "PIN");
    EXPECT_EQ(w.myArray[0], (EntryRow{"Bank", "", "", "", "PIN"}));
    EXPECT_TRUE(w.Modified());
}

TEST_F(OpenDocumentTest, FilesThatAreNoDocumentsAreRefusedAsAWrongPassword) {
    const QByteArray cases[] = {
        QByteArray(),                                                   // empty file
        QByteArray("just some text\nin a file\n"),                      // a foreign file
        QByteArray::fromHex("09"),                                      // a header cut short
        Document("other", CurrentRecords("0*0*639*376", kTwoEntries)),  // another password's document
    };
    for (const QByteArray& bytes : cases) {
        desktop->messages.clear();
        OpenWithPassword(WriteFile("x.brimel", bytes), "pw");
        EXPECT_EQ(desktop->messages, QStringList{"Wrong Password!"}) << bytes.toHex().toStdString();
        EXPECT_TRUE(DocumentWindows().empty());
    }
}

TEST_F(OpenDocumentTest, AnUnreadableFileIsNamedWithTheReasonBeforeAnyPasswordIsAsked) {
    QDir(desktop->TempPath(QString())).mkdir("Folder.brimel");
    const struct {
        QString path;
        QString name;
    } cases[] = {
        {desktop->TempPath("gone.brimel"), "gone.brimel"},      // vanished since it was chosen
        {desktop->TempPath("Folder.brimel"), "Folder.brimel"},  // a folder
    };
    for (const auto& c : cases) {
        desktop->messages.clear();
        desktop->AnswerOpen(c.path);
        // No password answer is queued: a password question would fail the test.
        Menu::Instance().Choose("FileOpen");
        ASSERT_EQ(desktop->messages.size(), 1) << c.name.toStdString();
        const QString message = desktop->messages.front();
        EXPECT_TRUE(message.startsWith(App::CannotOpenMessage(c.name, QString()))) << message.toStdString();
        EXPECT_GT(message.size(), App::CannotOpenMessage(c.name, QString()).size()) << "the reason is given";
        EXPECT_NE(message, "Wrong Password!");
        EXPECT_TRUE(DocumentWindows().empty());
    }
}

// A named pipe, by File > Open or handed over by the system: refused at once,
// before any password, and nothing waits for a writer that never comes.
TEST_F(OpenDocumentTest, ANamedPipeIsRefusedAtOnce) {
    const QString pipe = desktop->TempPath("pipe.brimel");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString refusal = App::CannotOpenMessage("pipe.brimel", "it is a named pipe, not a file.");
    ::alarm(20);  // a wait in open() ends the test rather than hang it
    desktop->AnswerOpen(pipe);
    Menu::Instance().Choose("FileOpen");  // no password answer is queued: a question would fail
    app->Event_OpenDocument(FolderItem(pipe));
    ::alarm(0);
    EXPECT_EQ(desktop->messages, (QStringList{refusal, refusal}));
    EXPECT_TRUE(DocumentWindows().empty());
}

// Far beyond any document, judged by its size before any password (a sparse
// file takes no room), or by its count of entries once read: no window.
TEST_F(OpenDocumentTest, AFileBeyondAnyDocumentIsRefusedWithItsReason) {
    const QString huge = WriteFile("huge.brimel", Document("pw", CurrentRecords("0*0*639*376", kTwoEntries)));
    ASSERT_TRUE(QFile::resize(huge, DocumentReader::kMaxBytes + 1));
    desktop->AnswerOpen(huge);
    Menu::Instance().Choose("FileOpen");  // no password answer is queued: a question would fail
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].startsWith(App::CannotOpenMessage("huge.brimel", "it is larger than 256 MB")))
        << desktop->messages[0].toStdString();

    // A valid header, then one empty entry more than the limit.
    QByteArray zeros = Document("pw", {"BRIMEL141", "0*0*639*376"});
    zeros.append(QByteArray(qsizetype(DocumentReader::kMaxEntries + 1) * kEntryColumnCount, '\0'));
    OpenWithPassword(WriteFile("zeros.brimel", zeros), "pw");
    ASSERT_EQ(desktop->messages.size(), 2);
    EXPECT_TRUE(desktop->messages[1].startsWith(App::CannotOpenMessage("zeros.brimel", "it holds more than")))
        << desktop->messages[1].toStdString();
    EXPECT_TRUE(DocumentWindows().empty());
}

// Painting hands work to the shared thread pool. No thread can be made once
// the address space is limited, and a pool waiting for one waits for ever: one
// thread is made now, kept, and does all of that work.
void KeepOnePaintingThread() {
    QThreadPool& pool = *QThreadPool::globalInstance();
    pool.setExpiryTimeout(-1);
    pool.setMaxThreadCount(1);
    QSemaphore ran;
    pool.start([&ran] { ran.release(); });
    ran.acquire();
}

// Memory running out while one document is read ends that open, not the
// program with every other window's changes.
TEST_F(OpenDocumentTest, RunningOutOfMemoryEndsTheOpenOnly) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit this test sets";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit this test sets";
#endif
#endif
    const QString bank = WriteFile("Bank.brimel", Document("pw", CurrentRecords("0*0*639*376", kTwoEntries)));
    QByteArray many = Document("pw", {"BRIMEL141", "0*0*639*376"});
    many.append(QByteArray(qsizetype(DocumentReader::kMaxEntries) * kEntryColumnCount, '\0'));
    const QString path = WriteFile("many.brimel", many);

    const int code = filefaults::InChild([&] {
        OpenWithPassword(bank, "pw");
        KeepOnePaintingThread();
        // Room for the program as it stands and a little more, not for a million entries.
        QFile statm("/proc/self/statm");
        if (!statm.open(QIODevice::ReadOnly))
            return filefaults::kNotSetUp;
        const rlim_t used = rlim_t(statm.readAll().split(' ').value(0).toLongLong()) * rlim_t(::getpagesize());
        const rlimit space{used + 48 * 1024 * 1024, used + 48 * 1024 * 1024};
        if (::setrlimit(RLIMIT_AS, &space) != 0)
            return filefaults::kNotSetUp;
        OpenWithPassword(path, "pw");
        const bool told = desktop->messages ==
                          QStringList{App::CannotOpenMessage("many.brimel", "there is not enough memory to open it.")};
        return told && DocumentTitles() == QStringList{"Bank.brimel"} ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}

TEST_F(OpenDocumentTest, MoreEntriesThanTheTableHoldsAreAllKept) {
    const int count = MainWindow::kInitialRows + 49;
    std::vector<EntryRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QString("Entry %1").arg(i, 5, 10, QChar('0')), "", "", "", "n"});
    const QString path = WriteFile("big.brimel", Document("pw", CurrentRecords("0*0*639*376", rows)));
    OpenWithPassword(path, "pw");

    ASSERT_EQ(DocumentWindows().size(), 1u);
    MainWindow& w = *DocumentWindows().front();
    EXPECT_EQ(w.entry, count);
    EXPECT_EQ(w.ListBox1().ListCount(), count);
    EXPECT_EQ(w.myArray[std::size_t(count - 1)][0], rows.back()[0]);
    EXPECT_EQ(w.ListBox1().List(count - 1), rows.back()[0]);
    EXPECT_EQ(w.myArray[std::size_t(count - 1)][4], "n");
}

}  // namespace
