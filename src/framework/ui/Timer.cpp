#include "Timer.h"

#include <QTimer>
#include <algorithm>

Timer::Timer(::Window* window, const QString& name) : Control(window, name), timer_(new QTimer(this)) {
    QObject::connect(timer_, &QTimer::timeout, this, [this] { Fire(); });
    Update();
}

void Timer::SetMode(int mode) {
    mode_ = mode;
    Update();
}

void Timer::SetPeriod(int period) {
    period_ = std::max(1, period);
    Update();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void Timer::Reset() {
    if (IsRunning())
        timer_->start(period_);
}

bool Timer::IsRunning() const {
    return timer_->isActive();
}

void Timer::Update() {
    if (enabled_ && mode_ != 0 && Live()) {
        timer_->setSingleShot(mode_ == 1);
        if (!timer_->isActive() || timer_->interval() != period_)
            timer_->start(period_);
    } else {
        timer_->stop();
    }
}

void Timer::Fire() {
    if (mode_ == 1)
        mode_ = 0;
    if (!Live()) {
        timer_->stop();
        return;
    }
    if (Action)
        Action(*this);
}

void Timer::ApplyProps(const QVariantMap& props) {
    if (props.contains("Period"))
        period_ = std::max(1, props.value("Period").toInt());
    if (props.contains("Mode"))
        mode_ = props.value("Mode").toInt();
    if (props.contains("Enabled"))
        enabled_ = props.value("Enabled").toBool();
    Update();
}

void Timer::RunOpen() {
    if (Open && Live())
        Open(*this);
}
