#include "Control.h"

#include "Window.h"

Control::Control(::Window* window, const QString& name) : window_(window), name_(name) {}

Control::~Control() = default;

void Control::ApplyProps(const QVariantMap&) {}

void Control::ApplyText(const QString&) {}

void Control::SetHelpTag(const QString& tag) {
    helpTag_ = tag;
}

bool Control::Live() const {
    return window_ && !window_->IsClosed();
}
