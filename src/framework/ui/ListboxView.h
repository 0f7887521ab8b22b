#pragma once

#include <QListView>

// The view of a Listbox. While it has the keyboard focus it draws the frame of
// a focused text field around itself, so that it shows its focus also in
// styles that show none for a list.
class ListboxView : public QListView {
public:
    explicit ListboxView(QWidget* parent) : QListView(parent) {}

protected:
    bool event(QEvent* event) override;
};
