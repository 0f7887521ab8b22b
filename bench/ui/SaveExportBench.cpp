// Saving (File > Save) and exporting (File > Export, the password confirmed)
// a document from its window.
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchDesktop.h"
#include "WindowBench.h"
#include "app/Menu.h"

namespace {

// Written apart, so that the documents the other benchmarks open stay as they are.
QString Apart(const QString& name) {
    static QTemporaryDir folder;
    return folder.filePath(name);
}

WindowAction Save(int) {
    WindowAction a;
    a.prepare = [](MainWindow& w) {
        w.Document = FolderItem(Apart(QStringLiteral("Saved.brimel")));
        w.TextHasChanged = true;
    };
    a.act = [](MainWindow&) { Menu::Instance().Choose(QStringLiteral("FileSave")); };
    a.check = [](MainWindow& w) { return !w.TextHasChanged && QFileInfo(w.Document.NativePath()).size() > 0; };
    return a;
}

WindowAction Export(int) {
    WindowAction a;
    a.prepare = [](MainWindow&) {
        BenchDesktop::Install().saveTo = Apart(QStringLiteral("Exported.tsv"));
        QFile::remove(BenchDesktop::Install().saveTo);
    };
    a.act = [](MainWindow&) { Menu::Instance().Choose(QStringLiteral("FileExport")); };
    a.check = [](MainWindow&) { return QFileInfo(BenchDesktop::Install().saveTo).size() > 0; };
    return a;
}

const bool registered = [] {
    WindowBench::Register("SaveDocument", Save);
    WindowBench::Register("ExportDocument", Export);
    return true;
}();

}  // namespace
