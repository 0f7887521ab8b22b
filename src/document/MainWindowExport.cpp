#include "document/MainWindow.h"

#include "document/SaveMessages.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/MacRoman.h"
#include "framework/core/RegEx.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Listbox.h"

bool MainWindow::_FileExport_Action() {
    // A document that never had a password exports without asking.
    if (key.isEmpty() || PasswordGate())
        ExportFile(Title(), true);
    return false;
}

bool MainWindow::ExportFile(const QString& name, bool forceDialog) {
    // The export always asks for its file, so that it never lands on the
    // document's own file unasked.
    Q_UNUSED(forceDialog);
    // Ends the edit in progress, so that the last change is exported too.
    ListBox1().SetFocus();

    const QString unstorable = UnencodableReason();
    RegEx extension;
    extension.SearchPattern = QStringLiteral(".brimel");
    QString proposed = name;
    if (extension.Search(proposed))
        proposed = extension.Replace(proposed);
    proposed += QStringLiteral(".tsv");
    if (!unstorable.isEmpty()) {
        MsgBox(SaveMessages::ExportFailed(proposed, unstorable));
        return false;
    }

    // Document is not touched: the export file is held apart from it.
    const std::optional<FolderItem> file = GetSaveFolderItem(QString(), proposed, Document.Parent());
    if (!file)
        return false;
    // Any name of the document's own file: its path, a link to it or to its
    // folder, a hard link.
    if (file->IsSameFileAs(Document)) {
        MsgBox(SaveMessages::ExportFailed(file->Name(),
                                          QStringLiteral("that is the document itself. Choose another file.")));
        return false;
    }
    return WriteExport(*file);
}

bool MainWindow::WriteExport(const FolderItem& file) {
    QByteArray text;
    QByteArray field;
    // Room for every cell at its longest, its separator included.
    text.reserve(qsizetype(entry) * kEntryColumnCount * (kCellLimit + 1));
    for (int row = 0; row < entry; ++row) {
        for (int col = 0; col < kEntryColumnCount; ++col) {
            MacRoman::Encode(ConvertToExportFormat(myArray[size_t(row)][size_t(col)]), &field);
            text += field;
            text += col < kEntryColumnCount - 1 ? '\t' : '\r';
        }
    }

    QString error;
    // Every password stands in clear in it: for its owner's eyes only, also
    // when it replaces a file others could read.
    std::unique_ptr<BinaryStream> stream = file.CreateBinaryFile(QString(), &error, FolderItem::Access::OwnerOnly);
    bool written = stream != nullptr;
    if (written) {
        stream->Write(text);
        written = stream->Close(&error);
    }
    if (!written) {
        MsgBox(SaveMessages::ExportFailed(file.Name(), error));
        return false;
    }
    return true;
}

QString MainWindow::ConvertToExportFormat(const QString& s) {
    // Most cells hold no line break: they go out as they stand, without a
    // pattern compiled for each of a full document's 50005 cells.
    if (!s.contains(QLatin1Char('\r')) && !s.contains(QLatin1Char('\n')))
        return s;
    RegEx lineBreaks;
    lineBreaks.Options.ReplaceAllMatches = true;
    lineBreaks.Options.DotMatchAll = false;
    lineBreaks.SearchPattern = QStringLiteral("[\\r\\n]");
    lineBreaks.ReplacementPattern = QStringLiteral(" ");
    return lineBreaks.Replace(s);
}
