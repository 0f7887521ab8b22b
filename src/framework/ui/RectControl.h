#pragma once

#include <QRect>

#include "Anchors.h"
#include "Control.h"

class GroupBox;
class QWidget;

// A control with a widget and a place in the window. Left and Top are window
// (content-area) coordinates, also inside a group box.
class RectControl : public Control {
public:
    RectControl(::Window* window, const QString& name, QWidget* widget);
    ~RectControl() override;

    QWidget* Widget() const { return widget_; }
    GroupBox* Parent() const { return parent_; }

    int Left() const { return rect_.x(); }
    int Top() const { return rect_.y(); }
    int Width() const { return rect_.width(); }
    int Height() const { return rect_.height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    QRect Rect() const { return rect_; }
    void SetRect(const QRect& rect);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void SetHelpTag(const QString& tag) override;
    int TabIndex() const { return tabIndex_; }
    unsigned Anchors() const { return anchors_; }

    // Whether the control can hold the keyboard focus at all.
    virtual bool AcceptsFocus() const { return true; }
    // Whether Qt gives it the focus on a mouse press; false for a control that
    // takes clicks its own way.
    virtual bool FocusOnPress() const { return true; }
    // Whether Tab (forward) or Shift+Tab (backward) lands on it; when it holds
    // the focus they go on from its place in the tab order.
    bool TabStop(bool forward) const { return tabStop_ || (!forward && backtabStop_); }
    // While this control holds the window's focus, shower is drawn focused in
    // its place and the keys typed there reach this one: a hidden field that
    // takes the keys typed into a list.
    void SetFocusShownBy(RectControl& shower);
    // Gives this control the window's focus (events inside the call).
    void SetFocus();
    bool HasFocus() const;

    void ApplyProps(const QVariantMap& props) override;

    // Called by the window as the focus moves; deliver the typed events.
    virtual void DeliverGotFocus() {}
    virtual void DeliverLostFocus() {}

protected:
    virtual void DeliverMouseEnter() {}
    virtual void DeliverMouseExit() {}
    // Sets Qt's focus policy from AcceptsFocus(), FocusOnPress() and TabStop();
    // call after a change of one of them.
    void UpdateFocusPolicy();
    // A text control that cannot be edited looks so: the window's background
    // behind its text, which stays as readable.
    void ShowReadOnly(bool readOnly);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ::Window;

    QWidget* widget_;
    GroupBox* parent_ = nullptr;
    QRect rect_;
    QRect layoutRect_;  // the rect as laid out, for anchoring
    unsigned anchors_ = LockLeft | LockTop;
    int tabIndex_ = 0;
    bool visible_ = true;
    bool tabStop_ = true;
    bool backtabStop_ = false;
    RectControl* takesKeys_ = nullptr;  // the control this one's keys go to, while it has the focus
};
