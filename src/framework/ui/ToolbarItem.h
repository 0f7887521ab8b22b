#pragma once

#include <QImage>
#include <functional>

#include "Control.h"

class Picture;
class QAction;

// A button in the window's toolbar, which lies above the content area.
class ToolbarItem : public Control {
public:
    ToolbarItem(::Window* window, const QString& name);

    QString Caption() const;
    void SetCaption(const QString& caption);
    QImage Image() const { return image_; }
    void SetImage(const QImage& image);
    // The picture as it is now, its mask applied.
    void SetImage(Picture* picture);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetHelpTag(const QString& tag) override;
    void Push();
    QAction* NativeAction() const { return action_; }

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetCaption(text); }
    void RunOpen() override;

    std::function<void(ToolbarItem&)> Open;
    std::function<void(ToolbarItem&)> Action;

private:
    QAction* action_;
    QImage image_;
};
