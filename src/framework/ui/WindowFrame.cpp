#include "WindowFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolBar>
#include <QWindow>

#include "Window.h"

WindowFrame::WindowFrame(::Window* window) : window_(window), content_(new QWidget(this)) {
    content_->installEventFilter(this);
}

void WindowFrame::SetMenuBar(QWidget* menuBar) {
    if (menuBar_ && menuBar_ != menuBar)
        menuBar_->deleteLater();
    menuBar_ = menuBar;
    if (menuBar_) {
        menuBar_->setParent(this);
        menuBar_->installEventFilter(this);
        menuBar_->show();
    }
    LayoutParts();
}

QToolBar* WindowFrame::Toolbar() {
    if (!toolbar_) {
        toolbar_ = new QToolBar(this);
        toolbar_->setMovable(false);
        toolbar_->setFloatable(false);
        toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        toolbar_->installEventFilter(this);
        toolbar_->show();
        LayoutParts();
    }
    return toolbar_;
}

int WindowFrame::PartHeight(QWidget* part) const {
    if (!part || part->isHidden())
        return 0;
    if (part->hasHeightForWidth())
        return std::max(0, part->heightForWidth(width()));
    return std::max(0, part->sizeHint().height());
}

int WindowFrame::ExtraHeight() const {
    return PartHeight(menuBar_) + PartHeight(toolbar_);
}

void WindowFrame::LayoutParts() {
    int y = 0;
    const int menuHeight = PartHeight(menuBar_);
    if (menuBar_ && menuHeight > 0)
        menuBar_->setGeometry(0, y, width(), menuHeight);
    y += menuHeight;
    const int toolbarHeight = PartHeight(toolbar_);
    if (toolbar_ && toolbarHeight > 0)
        toolbar_->setGeometry(0, y, width(), toolbarHeight);
    y += toolbarHeight;
    content_->setGeometry(0, y, width(), std::max(0, height() - y));
}

void WindowFrame::WatchFirstExpose() {
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    // The Window decides (Event_CancelClose) and hides the frame itself.
    event->ignore();
    if (window_ && !window_->IsClosed())
        window_->Close(false);
}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (window_ && modifiers == Qt::NoModifier) {
        const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        // Return presses the focused button, else the default one.
        if (isReturn && (window_->PressFocusedButton() || window_->PressDefaultButton())) {
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape && window_->PressCancelButton()) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool WindowFrame::focusNextPrevChild(bool next) {
    // Tab follows the window's own tab order (tab stops only).
    if (window_ && window_->TabFocus(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

void WindowFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && window_)
        window_->BringToFront();
    QWidget::changeEvent(event);
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutParts();
    if (window_)
        window_->FrameResized();
}

void WindowFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    LayoutParts();
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        if (windowHandle()->isExposed()) {
            windowHandle()->removeEventFilter(this);
            if (window_)
                window_->FrameExposed();
        }
        return false;
    }
    if (event->type() == QEvent::LayoutRequest && window_ && watched != content_ &&
        (watched == menuBar_ || watched == toolbar_)) {
        window_->BarsChanged();
        LayoutParts();
    }
    if (watched == content_ && event->type() == QEvent::MouseButtonPress && window_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        window_->Event_MouseDown(at.x(), at.y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
