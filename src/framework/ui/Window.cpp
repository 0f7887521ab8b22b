#include "Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "BevelButton.h"
#include "Canvas.h"
#include "CheckBox.h"
#include "GroupBox.h"
#include "Label.h"
#include "Listbox.h"
#include "ModalScope.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "RoundRectangle.h"
#include "ScreenFit.h"
#include "StandardToolbarItem.h"
#include "TextArea.h"
#include "TextField.h"
#include "Timer.h"
#include "ToolbarItem.h"
#include "UpDownArrows.h"
#include "WindowFrame.h"

namespace {

// Open windows, frontmost first.
std::vector<Window*>& ZOrder() {
    static std::vector<Window*> windows;
    return windows;
}

// Every window object alive, closed ones awaiting deletion included.
std::vector<Window*>& Alive() {
    static std::vector<Window*> windows;
    return windows;
}

std::function<void(Window&)>& ModalHook() {
    static std::function<void(Window&)> hook;
    return hook;
}

void Forget(std::vector<Window*>& list, Window* window) {
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

}  // namespace

Window::Window() : frame_(new WindowFrame(this)), content_(frame_->Content()) {
    ZOrder().push_back(this);
    Alive().push_back(this);
}

Window::~Window() {
    closed_ = true;
    Forget(ZOrder(), this);
    Forget(Alive(), this);
    if (modalLoop_)
        modalLoop_->quit();
    frame_->Detach();
    focus_ = nullptr;
    controls_.clear();
    delete frame_;
}

Window* Window::Frontmost() {
    for (Window* window : ZOrder())
        if (!window->closed_ && window->Visible())
            return window;
    return nullptr;
}

QList<Window*> Window::All() {
    QList<Window*> all;
    for (Window* window : ZOrder())
        if (!window->closed_)
            all.append(window);
    return all;
}

void Window::SetModalHook(std::function<void(Window&)> hook) {
    ModalHook() = std::move(hook);
}

namespace {
std::function<void(Window&)>& BuildHook() {
    static std::function<void(Window&)> hook;
    return hook;
}
}  // namespace

void Window::SetBuildHook(std::function<void(Window&)> hook) {
    BuildHook() = std::move(hook);
}

QWidget* Window::FocusedTextWidget() {
    Window* window = Frontmost();
    if (!window || !window->focus_)
        return nullptr;
    if (dynamic_cast<TextField*>(window->focus_) || dynamic_cast<TextArea*>(window->focus_))
        return window->focus_->Widget();
    return nullptr;
}

void Window::DeleteAll() {
    while (!Alive().empty())
        delete Alive().back();
}

void Window::Build(const WindowSpec& spec, const std::vector<ControlSpec>& controls) {
    spec_ = spec;
    Qt::WindowFlags flags = Qt::Window;
    switch (spec.frame) {
        case FrameKind::Document:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            if (spec.closeButton)
                flags |= Qt::WindowCloseButtonHint;
            if (spec.minimizeButton)
                flags |= Qt::WindowMinimizeButtonHint;
            if (spec.maximizeButton && spec.resizeable)
                flags |= Qt::WindowMaximizeButtonHint;
            break;
        case FrameKind::MovableModal:
        case FrameKind::Sheet:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            if (spec.closeButton)
                flags |= Qt::WindowCloseButtonHint;
            frame_->setWindowModality(Qt::ApplicationModal);
            break;
        case FrameKind::Plain:
            flags = Qt::Window | Qt::FramelessWindowHint;
            break;
    }
    frame_->setWindowFlags(flags);
    SetTitle(spec.title);
    if (BuildHook())
        BuildHook()(*this);
    ResizeContent(spec.width, spec.height);

    for (const ControlSpec& controlSpec : controls) {
        Control* control = MakeControl(controlSpec);
        if (control && controlSpec.bind)
            controlSpec.bind(*control);
    }
    ApplyTabOrder();
    AddMenuHandlers();
    for (std::size_t i = 0; i < controls_.size() && !closed_; ++i)
        controls_[i]->RunOpen();
    if (closed_)
        return;
    Event_Open();
    if (spec.visible && !closed_)
        Show();
}

Control* Window::MakeControl(const ControlSpec& spec) {
    QWidget* parentWidget = content_;
    GroupBox* group = nullptr;
    if (!spec.parent.isEmpty()) {
        group = FindControl<GroupBox>(spec.parent);
        if (group)
            parentWidget = group->Widget();
        else
            qWarning("Window: no group box named %s for %s", qPrintable(spec.parent), qPrintable(spec.name));
    }
    std::unique_ptr<Control> made;
    switch (spec.kind) {
        case ControlKind::Listbox:
            made = std::make_unique<Listbox>(this, spec.name, parentWidget);
            break;
        case ControlKind::TextField:
            made = std::make_unique<TextField>(this, spec.name, parentWidget);
            break;
        case ControlKind::TextArea:
            made = std::make_unique<TextArea>(this, spec.name, parentWidget);
            break;
        case ControlKind::Label:
            made = std::make_unique<Label>(this, spec.name, parentWidget);
            break;
        case ControlKind::PushButton:
            made = std::make_unique<PushButton>(this, spec.name, parentWidget);
            break;
        case ControlKind::BevelButton:
            made = std::make_unique<BevelButton>(this, spec.name, parentWidget);
            break;
        case ControlKind::GroupBox:
            made = std::make_unique<GroupBox>(this, spec.name, parentWidget);
            break;
        case ControlKind::Canvas:
            made = std::make_unique<Canvas>(this, spec.name, parentWidget);
            break;
        case ControlKind::RoundRectangle:
            made = std::make_unique<RoundRectangle>(this, spec.name, parentWidget);
            break;
        case ControlKind::CheckBox:
            made = std::make_unique<CheckBox>(this, spec.name, parentWidget);
            break;
        case ControlKind::RadioButton:
            made = std::make_unique<RadioButton>(this, spec.name, parentWidget);
            break;
        case ControlKind::UpDownArrows:
            made = std::make_unique<UpDownArrows>(this, spec.name, parentWidget);
            break;
        case ControlKind::ToolbarItem:
            made = std::make_unique<ToolbarItem>(this, spec.name);
            break;
        case ControlKind::StandardToolbarItem:
            made = std::make_unique<StandardToolbarItem>(this, spec.name);
            break;
        case ControlKind::Timer:
            made = std::make_unique<Timer>(this, spec.name);
            break;
    }
    Control* control = made.get();
    controls_.push_back(std::move(made));
    if (auto* rect = dynamic_cast<RectControl*>(control)) {
        rect->parent_ = group;
        rect->anchors_ = spec.anchors;
        rect->tabIndex_ = spec.tabIndex;
        rect->rect_ = rect->layoutRect_ = QRect(spec.left, spec.top, spec.width, spec.height);
        PlaceControl(*rect);
        rect->Widget()->show();
    }
    control->ApplyText(spec.text);
    if (!spec.helpTag.isEmpty())
        control->SetHelpTag(spec.helpTag);
    control->ApplyProps(spec.props);
    return control;
}

void Window::PlaceControl(RectControl& control) {
    QRect rect = control.rect_;
    if (control.parent_)
        rect.translate(-control.parent_->Left(), -control.parent_->Top());
    control.Widget()->setGeometry(rect);
}

void Window::ApplyAnchors() {
    const int dw = Width() - spec_.width;
    const int dh = Height() - spec_.height;
    for (auto& control : controls_) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (!rect)
            continue;
        QRect r = rect->layoutRect_;
        const unsigned a = rect->anchors_;
        if (a & LockRight) {
            if (a & LockLeft)
                r.setWidth(std::max(0, r.width() + dw));
            else
                r.moveLeft(r.x() + dw);
        }
        if (a & LockBottom) {
            if (a & LockTop)
                r.setHeight(std::max(0, r.height() + dh));
            else
                r.moveTop(r.y() + dh);
        }
        rect->rect_ = r;
    }
    for (auto& control : controls_)
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            PlaceControl(*rect);
}

namespace {

// The controls of one parent in tab order, each group box followed by its own.
void CollectTabChain(const std::vector<std::unique_ptr<Control>>& controls, GroupBox* parent,
                     std::vector<RectControl*>& chain) {
    std::vector<RectControl*> level;
    for (const auto& control : controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect && rect->Parent() == parent)
            level.push_back(rect);
    }
    std::stable_sort(level.begin(), level.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (RectControl* rect : level) {
        chain.push_back(rect);
        if (auto* group = dynamic_cast<GroupBox*>(rect))
            CollectTabChain(controls, group, chain);
    }
}

std::vector<RectControl*> TabChain(const std::vector<std::unique_ptr<Control>>& controls) {
    std::vector<RectControl*> chain;
    CollectTabChain(controls, nullptr, chain);
    return chain;
}

}  // namespace

void Window::ApplyTabOrder() {
    QWidget* previous = nullptr;
    for (RectControl* rect : TabChain(controls_)) {
        if (!rect->AcceptsFocus())
            continue;
        if (previous)
            QWidget::setTabOrder(previous, rect->Widget());
        previous = rect->Widget();
    }
}

// A push button is not focused first, so that Return answers with the
// default button: with nothing else to focus, the default button takes it.
bool Window::TabFocus(bool forward) {
    const std::vector<RectControl*> chain = TabChain(controls_);
    const auto from = std::find(chain.begin(), chain.end(), focus_);
    if (from == chain.end())
        return false;
    const int count = int(chain.size());
    const int at = int(from - chain.begin());
    for (int step = 1; step < count; ++step) {
        RectControl* next = chain[std::size_t(((forward ? at + step : at - step) % count + count) % count)];
        if (next->TabStop(forward) && next->AcceptsFocus() && next->Enabled() && next->Visible()) {
            // Qt's reason, so that a field selects its text as Tab enters it.
            next->Widget()->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            SetFocusControl(next);
            return true;
        }
    }
    return true;
}

void Window::FocusFirstControl() {
    RectControl* first = MarkedButton(true);
    for (RectControl* rect : TabChain(controls_)) {
        if (rect->AcceptsFocus() && rect->Enabled() && rect->Visible()) {
            if (!dynamic_cast<PushButton*>(rect)) {
                first = rect;
                break;
            }
            if (!first)
                first = rect;
        }
    }
    if (first)
        SetFocusControl(first);
}

QWidget* Window::Widget() const {
    return frame_;
}

void Window::SetMenuBarWidget(QWidget* menuBar) {
    const int width = Width();
    const int height = Height();
    const int left = Left();
    const int top = Top();
    frame_->SetMenuBar(menuBar);
    ResizeContent(width, height);
    const QRect g = frame_->geometry();
    if (placed_)
        frame_->setGeometry(left, top - extra_, g.width(), g.height());
}

QToolBar* Window::Toolbar() {
    if (!toolbar_) {
        const int width = Width();
        const int height = Height();
        toolbar_ = frame_->Toolbar();
        ResizeContent(width, height);
    }
    return toolbar_;
}

QString Window::Title() const {
    return title_;
}

void Window::SetTitle(const QString& title) {
    title_ = title;
    // "[*]" is Qt's place for the modified mark; a literal "[*]" is written twice.
    QString shown = title;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    frame_->setWindowTitle(shown + QStringLiteral("[*]"));
}

int Window::ExtraHeight() const {
    return extra_;
}

void Window::BarsChanged() {
    if (frame_->ExtraHeight() == extra_)
        return;
    const int left = Left();
    const int top = Top();
    ResizeContent(Width(), Height());
    const QRect g = frame_->geometry();
    if (placed_)
        frame_->setGeometry(left, top - extra_, g.width(), g.height());
}

int Window::Left() const {
    return frame_->geometry().x();
}

int Window::Top() const {
    return frame_->geometry().y() + ExtraHeight();
}

int Window::Width() const {
    return frame_->width();
}

int Window::Height() const {
    return frame_->height() - ExtraHeight();
}

void Window::SetLeft(int left) {
    placed_ = true;
    const QRect g = frame_->geometry();
    frame_->setGeometry(left, g.y(), g.width(), g.height());
}

void Window::SetTop(int top) {
    placed_ = true;
    const QRect g = frame_->geometry();
    frame_->setGeometry(g.x(), top - ExtraHeight(), g.width(), g.height());
}

void Window::SetWidth(int width) {
    ResizeContent(width, Height());
}

void Window::SetHeight(int height) {
    ResizeContent(Width(), height);
}

void Window::ResizeContent(int width, int height) {
    width = std::clamp(width, spec_.minWidth, std::max(spec_.minWidth, spec_.maxWidth));
    height = std::clamp(height, spec_.minHeight, std::max(spec_.minHeight, spec_.maxHeight));
    resizing_ = true;
    frame_->setMinimumSize(0, 0);
    frame_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    extra_ = frame_->ExtraHeight();
    frame_->resize(width, height + extra_);
    // The menu bar may wrap at the new width: settle its height once more.
    extra_ = frame_->ExtraHeight();
    frame_->resize(width, height + extra_);
    ApplySizeLimits();
    frame_->LayoutParts();
    resizing_ = false;
    ApplyAnchors();
}

void Window::ApplySizeLimits() {
    const int extra = ExtraHeight();
    if (spec_.resizeable) {
        frame_->setMinimumSize(spec_.minWidth, spec_.minHeight + extra);
        frame_->setMaximumSize(std::min(spec_.maxWidth, QWIDGETSIZE_MAX),
                               std::min(spec_.maxHeight + extra, QWIDGETSIZE_MAX));
    } else {
        frame_->setFixedSize(frame_->size());
    }
}

void Window::FrameResized() {
    if (!resizing_)
        ApplyAnchors();
}

bool Window::Visible() const {
    return !closed_ && frame_->isVisible();
}

void Window::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

void Window::PrepareToShow() {
    if (closed_)
        return;
    frame_->ensurePolished();
    frame_->winId();
}

void Window::Show() {
    if (!shownOnce_)
        CenterOver(nullptr);
    ShowFrame();
}

void Window::ShowFrame() {
    if (closed_)
        return;
    frame_->show();
    if (fitWhenExposed_)
        frame_->WatchFirstExpose();
    BringToFront();
    // The first focus is placed before Qt activates the window and picks its own.
    if (!shownOnce_) {
        shownOnce_ = true;
        if (!focus_)
            FocusFirstControl();
        firstFocus_ = focus_;
    }
    frame_->raise();
    frame_->activateWindow();
}

void Window::KeepOnScreen() {
    FitToScreen(placed_ || Visible());
    fitWhenExposed_ = !shownOnce_;
}

void Window::FitToScreen(bool move) {
    QScreen* screen = frame_->isVisible() ? frame_->screen() : nullptr;
    if (!screen && placed_)
        screen = QGuiApplication::screenAt(QPoint(Left(), Top()));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins margins = frame_->windowHandle() ? frame_->windowHandle()->frameMargins() : QMargins();
    QRect fitted = ScreenFit::Fit(QRect(Left(), Top(), Width(), Height()), ExtraHeight(), margins, area);
    if (fitted.size() != QSize(Width(), Height())) {
        // On a screen smaller than the window's minimum size the minimum gives way.
        spec_.minWidth = std::min(spec_.minWidth, fitted.width());
        spec_.minHeight = std::min(spec_.minHeight, fitted.height());
        ResizeContent(fitted.width(), fitted.height());
        // The menu bar may wrap at the new width.
        fitted = ScreenFit::Fit(QRect(Left(), Top(), Width(), Height()), ExtraHeight(), margins, area);
    }
    if (move && fitted.topLeft() != QPoint(Left(), Top())) {
        SetLeft(fitted.left());
        SetTop(fitted.top());
    }
}

void Window::FrameExposed() {
    if (!fitWhenExposed_ || closed_)
        return;
    fitWhenExposed_ = false;
    FitToScreen(true);
}

Window* Window::FrontmostOther() const {
    for (Window* window : ZOrder())
        if (window != this && !window->closed_ && window->Visible())
            return window;
    return nullptr;
}

// A dialog the program does not place appears over the window it is about
// (the frontmost other window when none is named or it is not shown), or in
// the middle of the screen when there is none; always whole on that screen.
void Window::CenterOver(Window* over) {
    if (placed_ || spec_.frame == FrameKind::Document)
        return;
    if (!over || !over->Visible())
        over = FrontmostOther();
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area;
    if (over && over != this) {
        area = over->frame_->frameGeometry();
        if (QScreen* under = QGuiApplication::screenAt(area.center()))
            screen = under;
    }
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    if (area.isEmpty())
        area = available;
    QRect g = frame_->frameGeometry();
    g.moveCenter(area.center());
    const int left =
        std::clamp(g.left(), available.left(), std::max(available.left(), available.right() + 1 - g.width()));
    const int top =
        std::clamp(g.top(), available.top(), std::max(available.top(), available.bottom() + 1 - g.height()));
    frame_->move(left, top);
}

void Window::ShowModal(Window* over) {
    if (closed_)
        return;
    // Each question is asked afresh: over its own window, and with the focus
    // on the safe default, not where the last answer left it.
    CenterOver(over);
    if (firstFocus_)
        SetFocusControl(firstFocus_);
    QPointer<Window> self(this);
    const Qt::WindowModality before = frame_->windowModality();
    if (before != Qt::ApplicationModal) {
        // Qt takes a new modality only while the window is hidden.
        if (frame_->isVisible())
            frame_->hide();
        frame_->setWindowModality(Qt::ApplicationModal);
    }
    ShowFrame();
    if (!self || closed_ || !Visible())
        return;
    ModalScope asking;
    QEventLoop loop;
    modalLoop_ = &loop;
    if (ModalHook()) {
        QTimer::singleShot(0, this, [this] {
            if (!closed_ && Visible() && ModalHook())
                ModalHook()(*this);
        });
    }
    loop.exec();
    if (!self)
        return;
    modalLoop_ = nullptr;
    if (before != Qt::ApplicationModal && !closed_) {
        const bool visible = frame_->isVisible();
        if (visible)
            frame_->hide();
        frame_->setWindowModality(before);
        if (visible)
            frame_->show();
    }
}

void Window::Hide() {
    frame_->hide();
    if (modalLoop_)
        modalLoop_->quit();
}

bool Window::Close(bool appQuitting) {
    if (closed_)
        return true;
    if (inCancelClose_)
        return false;
    QPointer<Window> self(this);
    inCancelClose_ = true;
    const bool keepOpen = Event_CancelClose(appQuitting);
    if (!self)
        return true;
    inCancelClose_ = false;
    if (closed_)
        return true;
    if (keepOpen)
        return false;
    FinishClose();
    return true;
}

void Window::FinishClose() {
    closed_ = true;
    Forget(ZOrder(), this);
    for (auto& control : controls_)
        if (auto* timer = dynamic_cast<Timer*>(control.get()))
            timer->SetEnabled(false);
    frame_->hide();
    if (modalLoop_)
        modalLoop_->quit();
    deleteLater();
}

void Window::BringToFront() {
    if (closed_)
        return;
    Forget(ZOrder(), this);
    ZOrder().insert(ZOrder().begin(), this);
}

void Window::SetModified(bool modified) {
    frame_->setWindowModified(modified);
}

bool Window::Modified() const {
    return frame_->isWindowModified();
}

Control* Window::FindControl(const QString& name) const {
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

void Window::SetFocusControl(RectControl* control) {
    if (closed_ || !control || control == focus_ || !control->AcceptsFocus() || !control->Enabled())
        return;
    RectControl* old = focus_;
    focus_ = control;
    if (old)
        old->DeliverLostFocus();
    if (focus_ != control)
        return;  // the LostFocus handler moved the focus on
    control->DeliverGotFocus();
    if (focus_ == control && !closed_) {
        control->Widget()->setFocus(Qt::OtherFocusReason);
        ShowWhichButtonReturnPresses();
    }
}

void Window::ShowWhichButtonReturnPresses() {
    auto* focused = dynamic_cast<PushButton*>(focus_);
    for (auto& control : controls_)
        if (auto* button = dynamic_cast<PushButton*>(control.get()))
            button->ShowAsDefault(focused ? button == focused : button->Default());
}

void Window::NativeFocusChanged(RectControl* control, bool byActivation) {
    // The widget that shows the focus control's focus has it: nothing moved.
    if (control == focus_ || (focus_ && focus_->Widget()->focusProxy() == control->Widget()))
        return;
    // Qt's own pick as the window comes (or goes) to the front: the window's
    // focus control keeps the focus.
    if (byActivation && focus_) {
        focus_->Widget()->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    SetFocusControl(control);
}

void Window::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

void Window::RemoveMenuHandler(const QString& itemName) {
    menuHandlers_.erase(itemName);
}

bool Window::HasMenuHandler(const QString& itemName) const {
    auto it = menuHandlers_.find(itemName);
    return it != menuHandlers_.end() && it->second;
}

bool Window::RunMenuHandler(const QString& itemName) {
    auto it = menuHandlers_.find(itemName);
    if (it == menuHandlers_.end() || !it->second)
        return false;
    auto handler = it->second;  // the handler may close the window
    return handler();
}

PushButton* Window::MarkedButton(bool isDefault) const {
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (!button || !button->Enabled() || !button->Widget()->isVisibleTo(frame_))
            continue;
        if (isDefault ? button->Default() : button->Cancel())
            return button;
    }
    return nullptr;
}

bool Window::PressFocusedButton() {
    auto* button = dynamic_cast<PushButton*>(focus_);
    if (!button || !button->Enabled())
        return false;
    button->Push();
    return true;
}

bool Window::PressDefaultButton() {
    PushButton* button = MarkedButton(true);
    if (!button)
        return false;
    button->Push();
    return true;
}

bool Window::PressCancelButton() {
    PushButton* button = MarkedButton(false);
    if (!button)
        return false;
    button->Push();
    return true;
}

bool Window::Event_MouseDown(int, int) {
    return false;
}

bool Window::Event_CancelClose(bool) {
    return false;
}
