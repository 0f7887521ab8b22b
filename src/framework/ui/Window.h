#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ControlSpec.h"
#include "WindowSpec.h"

class Control;
class PushButton;
class QEventLoop;
class QToolBar;
class QWidget;
class RectControl;
class WindowFrame;

// A top-level window of the program. Derive each window class from it and call
// Build() with the window's layout table from the derived constructor.
//
// Ownership: windows are made with `new` and belong to the framework. Close()
// hides the window at once and deletes the object when control returns to the
// event loop, so the closing handler can still read it; keep a QPointer to a
// window that must be checked later. DeleteAll() deletes every window at once.
//
// Geometry (Left, Top, Width, Height) is the content area's: the menu bar and
// the toolbar lie outside it.
class Window : public QObject {
    Q_OBJECT

public:
    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The frontmost visible window (the framework's Window(0)), nullptr when none.
    static Window* Frontmost();
    // Every window not yet closed, frontmost first.
    static QList<Window*> All();
    // Called once per ShowModal, from inside its event loop, after the window shows.
    static void SetModalHook(std::function<void(Window&)> hook);
    // The native widget of the frontmost window's focused TextField/TextArea
    // (a QLineEdit or QPlainTextEdit), nullptr when the focus is elsewhere.
    static QWidget* FocusedTextWidget();
    static void DeleteAll();
    // Runs for every window as it is built, before its controls are made and its
    // size is set: the application attaches its menu bar here, so that the bars
    // above the content area are in place before anyone positions the window.
    static void SetBuildHook(std::function<void(Window&)> hook);

    // Applies the window properties, makes each control (binding it right after),
    // binds the menu handlers, runs the controls' Open events, Event_Open, and
    // shows the window when the layout says it is visible.
    void Build(const WindowSpec& spec, const std::vector<ControlSpec>& controls);

    QWidget* Widget() const;
    // The widget that holds the controls, at content coordinates.
    QWidget* Content() const { return content_; }
    // Puts a menu bar above the toolbar and the content area.
    void SetMenuBarWidget(QWidget* menuBar);
    QToolBar* Toolbar();
    // Keeps the content area's size and place after the menu bar or the
    // toolbar changed height (the frame grows or shrinks instead).
    void BarsChanged();

    QString Title() const;
    void SetTitle(const QString& title);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    // Moves and shrinks the window as little as needed for its whole frame
    // (title bar and borders included) to lie within its screen's available
    // area; a window that fits stays exactly where it is. A window the program
    // has not placed is left where the window manager puts it, when that fits.
    // Not yet shown, it is fitted once more when it first appears, as only then
    // are the window manager's borders known.
    void KeepOnScreen();
    int MinWidth() const { return spec_.minWidth; }
    int MinHeight() const { return spec_.minHeight; }
    int MaxWidth() const { return spec_.maxWidth; }
    int MaxHeight() const { return spec_.maxHeight; }
    FrameKind Frame() const { return spec_.frame; }
    // Whether the application's menu bar shows in this window: in document windows.
    bool MenuBarVisible() const { return spec_.frame == FrameKind::Document && spec_.menuBarVisible; }

    bool Visible() const;
    void SetVisible(bool visible);
    // The first showing gives the focus to the first control in tab order that
    // takes it, a push button only when nothing else does (then the default
    // button), with its GotFocus, unless the program has placed the focus.
    void Show();
    // Shows the window modally over `over`, the window it is about (the
    // frontmost other window when null), and returns once it is hidden or
    // closed. Every showing starts with the focus where the first one put it,
    // so a button focused at an earlier showing never answers this one's Return.
    void ShowModal(Window* over = nullptr);
    // Makes what showing the window takes (its native window, its style)
    // without showing it, so that a window made while the user is asked
    // something appears at once when the answer comes.
    void PrepareToShow();
    void Hide();
    // Asks Event_CancelClose first; returns whether the window closed.
    bool Close(bool appQuitting = false);
    bool IsClosed() const { return closed_; }
    bool IsModal() const { return modalLoop_ != nullptr; }

    // The unsaved-changes mark ("*" in the title).
    void SetModified(bool modified);
    bool Modified() const;

    Control* FindControl(const QString& name) const;
    template <class T>
    T* FindControl(const QString& name) const {
        return dynamic_cast<T*>(FindControl(name));
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // The control holding this window's keyboard focus, kept even while the
    // window is hidden or inactive.
    RectControl* FocusControl() const { return focus_; }
    // Moves the focus: LostFocus on the old control, then GotFocus on the new one.
    void SetFocusControl(RectControl* control);

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    void RemoveMenuHandler(const QString& itemName);
    bool HasMenuHandler(const QString& itemName) const;
    bool RunMenuHandler(const QString& itemName);

    // Tab (forward) or Shift+Tab: the focus goes to the next tab stop in tab
    // order from the focus control's place; false when the window has none.
    bool TabFocus(bool forward);

    // Presses the focused / default / cancel PushButton as a click does; false when none.
    bool PressFocusedButton();
    bool PressDefaultButton();
    bool PressCancelButton();

    // Window events.
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    // A click on the window that no control takes, in content coordinates.
    virtual bool Event_MouseDown(int x, int y);
    // True keeps the window open.
    virtual bool Event_CancelClose(bool appQuitting);
    virtual void Event_EnableMenuItems() {}

private:
    friend class WindowFrame;
    friend class RectControl;

    Control* MakeControl(const ControlSpec& spec);
    void PlaceControl(RectControl& control);
    void ApplyAnchors();
    void ApplyTabOrder();
    void ApplySizeLimits();
    int ExtraHeight() const;
    void ResizeContent(int width, int height);
    void BringToFront();
    void ShowFrame();
    void FocusFirstControl();
    Window* FrontmostOther() const;
    void CenterOver(Window* over);
    // The focused push button looks like the one Return presses; with none
    // focused, the default button does.
    void ShowWhichButtonReturnPresses();
    void FinishClose();
    // Qt moved its focus to control: by the user (a click, Tab) or, with
    // byActivation, by its own choice as the window was activated.
    void NativeFocusChanged(RectControl* control, bool byActivation);
    void FrameResized();
    // Moves (when move) and shrinks the window into its screen's available area.
    void FitToScreen(bool move);
    void FrameExposed();
    PushButton* MarkedButton(bool isDefault) const;

    WindowSpec spec_;
    WindowFrame* frame_ = nullptr;
    QWidget* content_ = nullptr;
    QWidget* menuBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QString title_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<QString, std::function<bool()>> menuHandlers_;
    RectControl* focus_ = nullptr;
    RectControl* firstFocus_ = nullptr;  // the focus of the first showing
    QEventLoop* modalLoop_ = nullptr;
    bool closed_ = false;
    bool inCancelClose_ = false;
    bool resizing_ = false;
    bool shownOnce_ = false;
    // Set once the program positions the window; until then a change of the
    // bars' height keeps the frame where it is instead of the content area.
    bool placed_ = false;
    // The window manager's borders are known only once it has framed the
    // window: its first showing is fitted again then.
    bool fitWhenExposed_ = false;
    int extra_ = 0;  // height of the bars above the content area
};
