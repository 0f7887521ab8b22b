#pragma once

#include <QObject>

class MenuBar;

// Watches the whole application for the menu bar: key presses (its shortcuts),
// windows being shown (to give them the bar) and presses on the Qt menu bars
// (to run the enabling pass before a menu opens).
class MenuEventFilter : public QObject {
public:
    explicit MenuEventFilter(MenuBar* bar);
    ~MenuEventFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MenuBar* bar_;
};
