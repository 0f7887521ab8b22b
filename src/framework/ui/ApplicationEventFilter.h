#pragma once

#include <QObject>
#include <functional>

// Tells the application, once control is back in the event loop, that a
// top-level window was hidden or closed, so that it can end when none is left.
class ApplicationEventFilter : public QObject {
public:
    explicit ApplicationEventFilter(std::function<void()> windowGone);
    ~ApplicationEventFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> windowGone_;
    bool pending_ = false;
};
