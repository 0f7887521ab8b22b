// Opening documents: the open dialog and the open-document event both end in
// the reader, which asks for the password and fills a new window.
#include "app/App.h"

#include "dialogs/Password.h"
#include "document/MainWindow.h"
#include "document/format/DocumentReader.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"

#include <algorithm>
#include <new>

void App::Event_OpenDocument(const FolderItem& f) {
    ReadDocument(f);
}

bool App::_FileOpen_Action() {
    const std::optional<FolderItem> f = GetOpenFolderItem(QString());
    if (f) {
        ReadDocument(*f);
    }
    return false;
}

QString App::CannotOpenMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("The document \u201C%1\u201D could not be opened: %2").arg(fileName, reason);
}

void App::ReadDocument(const FolderItem& f) {
    if (f.IsNull()) {
        return;
    }
    // Tested before the password is asked, so that nobody types it for a file
    // that cannot be read.
    QString error;
    std::unique_ptr<BinaryStream> stream = f.OpenAsBinaryFile(&error);
    if (stream) {
        error = DocumentReader::SizeRefusal(*stream);
    }
    if (!error.isEmpty()) {
        MsgBox(CannotOpenMessage(f.Name(), error));
        return;
    }

    auto* w = new MainWindow();
    w->Document = f;
    w->SetTitle(f.Name());
    out = std::make_unique<RC4>();
    // Made ready while the password is typed, the window shows the moment its
    // entries are read; and what making it ready allocates for a moment is
    // freed before the entries take their room.
    w->PrepareToShow();

    QString password;
    if (!AskPassword(&password)) {
        Discard(*w);
        return;
    }
    w->key = password;

    // Running out of memory for one document must not end the program, and
    // every other window's changes with it.
    QString refusal;
    try {
        refusal = ReadEntries(*w, *stream, password);
    } catch (const std::bad_alloc&) {
        refusal = CannotOpenMessage(f.Name(), QStringLiteral("there is not enough memory to open it."));
    }
    if (!refusal.isEmpty()) {
        Discard(*w);
        MsgBox(refusal);
        return;
    }
    ShowOpened(*w);
}

QString App::ReadEntries(MainWindow& w, BinaryStream& stream, const QString& password) {
    // Read into the window's own empty table: no second one is made. Each
    // title is learnt, and taken for its row of the list, as it is read,
    // while it is still in the cache.
    const std::size_t tableRows = w.myArray.size();
    std::vector<QString> listRows;
    const auto learn = [&w, &listRows](const EntryRow& entry) {
        w.LearnTitle(entry[0]);
        listRows.push_back(entry[0]);
    };
    DocumentReadResult read = DocumentReader::Read(stream, *out, password, std::move(w.myArray), learn);
    if (read.format == DocumentFormat::Unreadable) {
        return CannotOpenMessage(w.Document.Name(), read.error);
    }
    if (!read.opened()) {
        return QStringLiteral("Wrong Password!");
    }
    ApplyGeometry(w, read);
    FillEntries(w, read, tableRows, std::move(listRows));
    return QString();
}

bool App::AskPassword(QString* password) {
    Password& dialog = Password::Instance();
    dialog.ShowModal();
    if (dialog.ButtonPressed != QStringLiteral("yes")) {
        // Left hidden: its Cancel has emptied the field for the next open.
        return false;
    }
    *password = dialog.EditField1().Text();
    dialog.Close();
    return true;
}

void App::ApplyGeometry(MainWindow& w, const DocumentReadResult& read) {
    const DesktopServices::ScreenArea screen = Screen(0);
    if (read.hasGeometry && read.geometry.FitsScreen(screen.Width(), screen.Height())) {
        w.SetLeft(read.geometry.LeftPixels());
        w.SetTop(read.geometry.TopPixels());
        w.SetWidth(read.geometry.WidthPixels());
        w.SetHeight(read.geometry.HeightPixels());
    }
    // Whatever place the file holds, or one saved at another scale, the window
    // opens whole on the screen, where the user can reach it.
    w.KeepOnScreen();
}

void App::FillEntries(MainWindow& w, DocumentReadResult& read, std::size_t tableRows, std::vector<QString> listRows) {
    const int n = static_cast<int>(read.rows.size());
    // The window's table becomes the rows read, with its usual size at least.
    // Every entry of the file is kept: the table grows past that size rather
    // than drop the entries a later save would then lose for good.
    read.rows.resize(std::max(read.rows.size(), tableRows));
    w.myArray = std::move(read.rows);
    // The rows come with the titles they show, so writing the titles into
    // them changes none.
    w.ListBox1().AddRows(std::move(listRows));
    w.entry = n;
    w.UpdateListBox();
    w.LearnTitles();
}

void App::ShowOpened(MainWindow& w) {
    // A document without entries has no first row to select.
    if (w.entry > 0) {
        w.ListBox1().SetSelected(0, true);
    }
    w.SetVisible(true);
    w.EditField6().SetFocus();
}

void App::Discard(MainWindow& w) {
    w.TextHasChanged = false;
    w.Close();
}
