#pragma once

#include <QListView>

// The view of a Listbox. Its rows all have one height, so a new text moves no
// row: where QListView lays out every row again after any change (and measures
// each changed row), this view only repaints the changed rows on screen, so a
// change costs the same in a list of a hundred thousand rows as in a short one.
// A row paints only the head of a long text that already overflows it: the row
// shows the same cut-off text, laid out from far fewer characters.
// While it has the keyboard focus it draws the frame of a focused text field
// around itself, so that it shows its focus also in styles that show none for
// a list.
class ListboxView : public QListView {
public:
    explicit ListboxView(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
};
