#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "cipher/RC4.h"
#include "document/TitleIndex.h"
#include "document/format/DocumentWriteResult.h"
#include "document/format/EntryColumn.h"
#include "document/format/EntryRow.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/Window.h"

class BevelButton;
class GroupBox;
class Label;
class Listbox;
class StandardToolbarItem;
class TextArea;
class TextField;
class Timer;
class ToolbarItem;

// The document window: the entries of one document as a list of titles, the
// selected entry in five field editors, the toolbar (add, delete, lock) and
// type-to-search. Made with `new`; it belongs to the framework (see Window).
class MainWindow : public Window {
public:
    // Rows of a new entry table. The table grows past it when an entry is added
    // or written beyond its last row.
    static constexpr int kInitialRows = 10001;
    // Longest text a cell holds, in characters.
    static constexpr int kCellLimit = 255;

    MainWindow();
    ~MainWindow() override;

    // The document file; null while the window has none.
    FolderItem Document;
    // The document has changes not yet saved.
    bool TextHasChanged = false;
    // The entry table: one row per entry, indexed by EntryColumn. Rows from
    // `entry` on are always empty.
    std::vector<EntryRow> myArray;
    // Number of entries: rows 0 to entry - 1 of myArray are in use.
    int entry = 0;
    // The cipher of the last save.
    std::unique_ptr<RC4> inrc4;
    // The document password; empty while the document has none.
    QString key;
    // Write protection: while true the five field editors are read-only.
    bool EntriesAreLocked = false;
    // The next save asks for a new document password.
    bool getNewKey = false;

    // Building.
    static WindowSpec Layout();
    std::vector<ControlSpec> CreateControls();
    std::vector<ControlSpec> _CreateControls0();

    // The controls.
    Listbox& ListBox1() const;
    GroupBox& GroupBox1() const;
    Label& StaticText2() const;
    TextField& EditField1() const;
    Label& StaticText5() const;
    TextField& EditField2() const;
    BevelButton& BevelButton1() const;
    Label& StaticText6() const;
    TextArea& EditField5() const;
    Label& StaticText3() const;
    TextField& EditField4() const;
    BevelButton& BevelButton4() const;
    Label& StaticText4() const;
    TextField& EditField3() const;
    BevelButton& BevelButton3() const;
    ToolbarItem& ToolbarItem2() const;
    ToolbarItem& ToolbarItem3() const;
    StandardToolbarItem& StandardToolbarItem1() const;
    ToolbarItem& ToolbarItem4() const;
    TextField& EditField6() const;
    ::Timer& Timer1() const;

    // The entry list and the field editors.
    void ListBox1_GotFocus(Listbox& sender);
    void ListBox1_Change(Listbox& sender);
    void EditField1_TextChange(TextField& sender);
    void EditField1_LostFocus(TextField& sender);
    void EditField2_TextChange(TextField& sender);
    void BevelButton1_Action(BevelButton& sender);
    void EditField5_TextChange(TextArea& sender);
    void EditField5_LostFocus(TextArea& sender);
    void EditField4_GotFocus(TextField& sender);
    void EditField4_MouseExit(TextField& sender);
    void EditField4_MouseEnter(TextField& sender);
    void EditField4_LostFocus(TextField& sender);
    void EditField4_TextChange(TextField& sender);
    void BevelButton4_Action(BevelButton& sender);
    void EditField3_TextChange(TextField& sender);
    void BevelButton3_Action(BevelButton& sender);

    // The toolbar.
    void ToolbarItem2_Open(ToolbarItem& sender);
    void ToolbarItem2_Action(ToolbarItem& sender);
    void ToolbarItem3_Open(ToolbarItem& sender);
    void ToolbarItem3_Action(ToolbarItem& sender);
    void ToolbarItem4_Action(ToolbarItem& sender);
    void ToolbarItem4_Open(ToolbarItem& sender);

    // Type-to-search.
    void EditField6_LostFocus(TextField& sender);
    void EditField6_TextChange(TextField& sender);
    void EditField6_GotFocus(TextField& sender);
    bool EditField6_KeyDown(TextField& sender, const QString& key);
    void Timer1_Action(::Timer& sender);

    // The entry table.
    void WriteInArray(int row, int col, const QString& s);
    void ReadFromArray(int row);
    void UpdateListBox();
    void DeleteInArray();
    void SortEntries();
    // Learns what sorting and searching need to know of the titles, so that the
    // first sort and search after opening a document are as quick as later ones.
    void LearnTitles();
    // The same for the title of the next row while the table is being read,
    // before the rows are the window's: LearnTitles then finds it learnt.
    void LearnTitle(const QString& title);

    // The unsaved-changes mark of w.
    void SetWindowModified(Window& w, bool flag);

    void ShowSearchResult();
    QString EscapeSpecialCharacters(const QString& s);

    // Saving, cleartext export, menu commands and closing.
    bool _FileSave_Action();
    bool _FileSaveAs_Action();
    // Writes the document, asking first for a new password and a file when it
    // needs them; true only when the file was written.
    bool SaveFile(const QString& name, bool forceDialog);
    bool _FileExport_Action();
    // Writes the entries as tab-separated MacRoman text to a file the user
    // names; true only when it was written.
    bool ExportFile(const QString& name, bool forceDialog);
    QString ConvertToExportFormat(const QString& s);
    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool Event_CancelClose(bool appQuitting) override;
    bool _EditSelectAll_Action();
    bool _FileClose_Action();

private:
    // The password gate of Save As and Export: asks for the window's password;
    // true when the user typed it, "Wrong Password!" when not.
    bool PasswordGate();
    // Writes the entries to file under password; on failure says why.
    bool WriteDocument(const FolderItem& file, const QString& password);
    // Whether every cell can be stored; else says which ones cannot.
    bool CanStoreEntries(const QString& fileName);
    // Names every field holding a character a document cannot store; "" when none does.
    QString UnencodableReason() const;
    bool WriteExport(const FolderItem& file);

    // The cell's text; "" for a row the table does not hold yet.
    const QString& CellText(int row, EntryColumn col) const;
    // Grows the table so that it holds at least rows rows.
    void EnsureRows(int rows);
    // Stores a text field's edit in the selected row.
    void StoreFieldEdit(TextField& field, EntryColumn col);
    // The editors (and their buttons) take input only while the window holds
    // an entry: with none, typed text would have no row to be stored in.
    void EnableEditors();
    // Write protection of the five field editors.
    void SetEditorsReadOnly(bool readOnly);
    void ShowLock(bool locked);

    TitleIndex titles_;
};
