#pragma once

#include "cipher/RC4.h"
#include "framework/ui/Application.h"

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <memory>
#include <vector>

class BinaryStream;
class MainWindow;
struct DocumentReadResult;

// The program's application object: new untitled document windows, opening
// documents, quitting, and the application's menu commands.
class App : public Application {
public:
    // The registered application object; null when there is none.
    static App* Instance();

    // The cipher of the last document read; replaced by every open.
    std::unique_ptr<RC4> out;
    // The number of the last untitled window; only ever grows.
    qint32 WindowCounter = 0;

    // Opens a document file in a new window after asking for its password.
    void Event_OpenDocument(const FolderItem& f) override;
    void Event_EnableMenuItems() override;
    void Event_NewDocument() override;

    bool _FileNew_Action();
    bool _FileOpen_Action();
    bool _AppleAbout_Action();
    bool _PayforBrimelInformation_Action();
    bool _FileQuit_Action();
    bool _ToolsGeneratePassword_Action();
    bool _HelpVisitWebsite_Action();
    bool _HelpEMailAuthor_Action();
    bool _HelpReadFAQ_Action();

    // Closes the frontmost window until none is left, then quits; stops as
    // soon as a window refuses to close.
    void DoQuit();
    // Makes and shows a new, unlocked untitled window of one entry.
    void NewDocumentWindow();

    // The message for a document file that cannot be opened for reading.
    static QString CannotOpenMessage(const QString& fileName, const QString& reason);

private:
    // The document reader behind both ways of opening.
    void ReadDocument(const FolderItem& f);
    // Asks for the document password; false when the user cancelled.
    static bool AskPassword(QString* password);
    // Reads the document into w: "" when it opened, else the message that
    // refuses it. Nothing of a document that cannot be read whole is kept.
    QString ReadEntries(MainWindow& w, BinaryStream& stream, const QString& password);
    void ApplyGeometry(MainWindow& w, const DocumentReadResult& read);
    // The rows read become w's table, of tableRows rows at least; listRows,
    // their titles, become the list's rows.
    void FillEntries(MainWindow& w, DocumentReadResult& read, std::size_t tableRows, std::vector<QString> listRows);
    void ShowOpened(MainWindow& w);
    // Closes the window of an open that ends without a document.
    static void Discard(MainWindow& w);
};
