#include "document/MainWindow.h"

#include "framework/ui/GroupBox.h"

MainWindow::MainWindow() : myArray(std::size_t(kInitialRows)) {
    Build(Layout(), CreateControls());
    EnableEditors();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetWindowModified(Window& w, bool flag) {
    w.SetModified(flag);
}

void MainWindow::EnableEditors() {
    GroupBox1().SetEnabled(entry > 0);
}

const QString& MainWindow::CellText(int row, EntryColumn col) const {
    static const QString empty;
    if (row < 0 || std::size_t(row) >= myArray.size())
        return empty;
    return myArray[std::size_t(row)][std::size_t(col)];
}

void MainWindow::EnsureRows(int rows) {
    // Rows beyond the table are empty, as every row past the entries is; the
    // vector's own growth keeps repeated adds cheap.
    if (rows > 0 && std::size_t(rows) > myArray.size())
        myArray.resize(std::size_t(rows));
}
