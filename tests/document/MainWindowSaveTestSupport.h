#pragma once

// Helpers of the saving, export and closing tests: a document window filled
// with entries, answers to the password and save-changes dialogs as a user
// gives them, and the files read back.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <vector>

#include <sys/stat.h>

#include "cipher/RC4.h"
#include "dialogs/Password.h"
#include "dialogs/Password2.h"
#include "dialogs/SaveChanges.h"
#include "document/MainWindow.h"
#include "document/format/DocumentReader.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"
#include "support/FakeDesktop.h"
#include "support/UiDriver.h"

namespace savetest {

inline EntryRow Entry(const QString& title, const QString& url = QString(), const QString& user = QString(),
                      const QString& password = QString(), const QString& notes = QString()) {
    return EntryRow{title, url, user, password, notes};
}

// A shown, unlocked document window titled title, holding rows, the first
// one selected, not modified.
inline MainWindow* NewDocumentWindow(const std::vector<EntryRow>& rows, const QString& title = "untitled1") {
    auto* window = new MainWindow();
    window->SetTitle(title);
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < kEntryColumnCount; ++c)
            window->WriteInArray(int(r), c, rows[r][size_t(c)]);
    window->entry = int(rows.size());
    for (const EntryRow& row : rows)
        window->ListBox1().AddRow(row[0]);
    window->Show();
    if (window->EntriesAreLocked)
        UiDriver::ClickToolbarItem(window->ToolbarItem4());
    if (!rows.empty())
        window->ListBox1().SetListIndex(0);
    window->TextHasChanged = false;
    window->SetWindowModified(*window, false);
    return window;
}

// Queues an answer for the next modal dialog, which must be a D; the answer
// must end the question.
template <class D>
void Answer(std::function<void(D&)> act) {
    UiDriver::AnswerNextModal([act](Window& shown) {
        D* dialog = dynamic_cast<D*>(&shown);
        if (!dialog) {
            ADD_FAILURE() << "another dialog was shown than the one expected";
            shown.Hide();
            return;
        }
        UiDriver::Activate(shown);
        act(*dialog);
        if (shown.Visible()) {
            ADD_FAILURE() << "the dialog is still asking after the answer";
            shown.Hide();
        }
    });
}

inline void AnswerNewPassword(const QString& password) {
    Answer<Password2>([password](Password2& d) {
        UiDriver::Type(d.EditField1(), password);
        UiDriver::Type(d.EditField2(), password);
        UiDriver::PressReturn(d);
    });
}

inline void CancelNewPassword() {
    Answer<Password2>([](Password2& d) { UiDriver::PressEsc(d); });
}

inline void AnswerPassword(const QString& password) {
    Answer<Password>([password](Password& d) {
        UiDriver::Type(d.EditField1(), password);
        UiDriver::PressReturn(d);
    });
}

inline void CancelPassword() {
    Answer<Password>([](Password& d) { UiDriver::PressEsc(d); });
}

// "Save", "DontSave" or "Cancel", clicked.
inline void AnswerSaveChanges(const QString& word) {
    Answer<SaveChanges>([word](SaveChanges& d) {
        if (word == "Save")
            UiDriver::Click(d.PushButton3());
        else if (word == "DontSave")
            UiDriver::Click(d.PushButton1());
        else
            UiDriver::Click(d.PushButton2());
    });
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The permission bits of the file; -1 when it does not exist.
inline int FileMode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

inline DocumentReadResult ReadDocument(const QString& path, const QString& password) {
    RC4 cipher;
    return DocumentReader::ReadFile(FolderItem(path), cipher, password);
}

// Saves a new window as name under password, through its dialogs.
inline void SaveNew(MainWindow& window, FakeDesktop& desktop, const QString& name, const QString& password) {
    AnswerNewPassword(password);
    desktop.AnswerSave(name);
    window.RunMenuHandler("FileSave");
    ASSERT_EQ(UiDriver::PendingAnswers(), 0);
    ASSERT_FALSE(window.TextHasChanged);
}

// Types text at the end of the selected entry's notes, as a user edits.
inline void EditNotes(MainWindow& window, const QString& text) {
    UiDriver::Click(window.EditField5());
    UiDriver::Type(window.EditField5(), text);
}

}  // namespace savetest
