#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class Window;

// Base of every control of a window, with or without a widget of its own.
class Control : public QObject {
public:
    Control(::Window* window, const QString& name);
    ~Control() override;

    QString Name() const { return name_; }
    ::Window* Window() const { return window_; }

    // Applies the kind-specific layout properties (see ControlSpec).
    virtual void ApplyProps(const QVariantMap& props);
    // Sets the layout text (a caption, a label's text, a field's text).
    virtual void ApplyText(const QString& text);
    virtual void SetHelpTag(const QString& tag);
    QString HelpTag() const { return helpTag_; }
    // Delivers the control's Open event.
    virtual void RunOpen() {}

protected:
    // False once the window is closed: no events reach the program after that.
    bool Live() const;

private:
    ::Window* window_;
    QString name_;
    QString helpTag_;
};
