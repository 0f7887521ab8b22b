#pragma once

#include <functional>

#include "Control.h"

class QTimer;

// A window's timer. It runs while Enabled and Mode is not 0: Mode 1 fires
// once (then Mode becomes 0), Mode 2 every Period milliseconds.
class Timer : public Control {
public:
    Timer(::Window* window, const QString& name);

    int Mode() const { return mode_; }
    void SetMode(int mode);
    int Period() const { return period_; }
    void SetPeriod(int period);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Starts the period anew from now.
    void Reset();
    bool IsRunning() const;

    void ApplyProps(const QVariantMap& props) override;
    void RunOpen() override;

    std::function<void(Timer&)> Open;
    std::function<void(Timer&)> Action;

private:
    void Update();
    void Fire();

    QTimer* timer_;
    int mode_ = 2;
    int period_ = 1000;
    bool enabled_ = true;
};
