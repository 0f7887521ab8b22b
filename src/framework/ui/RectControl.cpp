#include "RectControl.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "GroupBox.h"
#include "Window.h"

RectControl::RectControl(::Window* window, const QString& name, QWidget* widget)
    : Control(window, name), widget_(widget) {
    widget_->setObjectName(name);
    widget_->installEventFilter(this);
}

RectControl::~RectControl() = default;

void RectControl::SetLeft(int left) {
    SetRect(QRect(left, rect_.y(), rect_.width(), rect_.height()));
}

void RectControl::SetTop(int top) {
    SetRect(QRect(rect_.x(), top, rect_.width(), rect_.height()));
}

void RectControl::SetWidth(int width) {
    SetRect(QRect(rect_.x(), rect_.y(), width, rect_.height()));
}

void RectControl::SetHeight(int height) {
    SetRect(QRect(rect_.x(), rect_.y(), rect_.width(), height));
}

void RectControl::SetRect(const QRect& rect) {
    rect_ = rect;
    // Keep the laid-out rect consistent with the window's current size, so the
    // next resize anchors from where the program put the control.
    ::Window* window = Window();
    const int dw = window ? window->Width() - window->spec_.width : 0;
    const int dh = window ? window->Height() - window->spec_.height : 0;
    QRect layout = rect;
    if (anchors_ & LockRight) {
        if (anchors_ & LockLeft)
            layout.setWidth(rect.width() - dw);
        else
            layout.moveLeft(rect.x() - dw);
    }
    if (anchors_ & LockBottom) {
        if (anchors_ & LockTop)
            layout.setHeight(rect.height() - dh);
        else
            layout.moveTop(rect.y() - dh);
    }
    layoutRect_ = layout;
    if (window)
        window->PlaceControl(*this);
}

bool RectControl::Enabled() const {
    return widget_->isEnabled();
}

void RectControl::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

void RectControl::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setHidden(!visible);
}

void RectControl::SetHelpTag(const QString& tag) {
    Control::SetHelpTag(tag);
    // Help tags break their lines with a carriage return; the tool tip with a line feed.
    QString shown = tag;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    widget_->setToolTip(shown);
}

void RectControl::SetFocus() {
    if (Window())
        Window()->SetFocusControl(this);
}

bool RectControl::HasFocus() const {
    return Window() && Window()->FocusControl() == this;
}

void RectControl::SetFocusShownBy(RectControl& shower) {
    widget_->setFocusProxy(shower.widget_);
    shower.takesKeys_ = this;
}

void RectControl::ApplyProps(const QVariantMap& props) {
    if (props.contains("TabStop") || props.contains("BacktabStop")) {
        tabStop_ = props.value("TabStop", tabStop_).toBool();
        backtabStop_ = props.value("BacktabStop", backtabStop_).toBool();
        UpdateFocusPolicy();
    }
    if (props.contains("Enabled"))
        SetEnabled(props.value("Enabled").toBool());
    if (props.contains("Visible"))
        SetVisible(props.value("Visible").toBool());
    if (props.contains("TextSize") || props.contains("Bold")) {
        QFont font = widget_->font();
        // Sizes are the original platform's points at 72 dpi, i.e. pixels.
        const int size = props.value("TextSize").toInt();
        if (size > 0)
            font.setPixelSize(size);
        if (props.contains("Bold"))
            font.setBold(props.value("Bold").toBool());
        widget_->setFont(font);
    }
}

void RectControl::ShowReadOnly(bool readOnly) {
    if (!readOnly) {
        widget_->setPalette(QPalette());  // back to the inherited one
        return;
    }
    QPalette palette;
    palette.setColor(QPalette::Base, widget_->palette().color(QPalette::Window));
    widget_->setPalette(palette);
}

void RectControl::UpdateFocusPolicy() {
    int policy = Qt::NoFocus;
    if (AcceptsFocus()) {
        if (tabStop_ || backtabStop_)
            policy |= Qt::TabFocus;
        if (FocusOnPress())
            policy |= Qt::ClickFocus;
    }
    widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

namespace {

bool IsKeyboardInput(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride ||
           type == QEvent::InputMethod;
}

}  // namespace

bool RectControl::eventFilter(QObject* watched, QEvent* event) {
    // The keys go to the control whose focus this one shows, and only there.
    if (watched == widget_ && takesKeys_ && takesKeys_->HasFocus() && IsKeyboardInput(event->type())) {
        QCoreApplication::sendEvent(takesKeys_->widget_, event);
        return true;
    }
    if (watched == widget_ && Live()) {
        switch (event->type()) {
            case QEvent::FocusIn:
                Window()->NativeFocusChanged(this,
                                             static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason);
                break;
            case QEvent::Enter:
                DeliverMouseEnter();
                break;
            case QEvent::Leave:
                DeliverMouseExit();
                break;
            default:
                break;
        }
    }
    return Control::eventFilter(watched, event);
}
