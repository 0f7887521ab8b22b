#pragma once

#include <QWidget>

class QToolBar;
class Window;

// The native top-level widget of a Window: an optional menu bar, an optional
// toolbar, then the content area that holds the controls. The parts are laid
// out by hand so the content area's size is known even while hidden.
class WindowFrame : public QWidget {
public:
    explicit WindowFrame(::Window* window);

    QWidget* Content() const { return content_; }
    void SetMenuBar(QWidget* menuBar);
    QToolBar* Toolbar();
    // Height taken above the content area by the menu bar and the toolbar.
    int ExtraHeight() const;
    void LayoutParts();
    // Tells the Window once the native window is first exposed, framed by the
    // window manager.
    void WatchFirstExpose();
    // Stops forwarding events: the Window is going away.
    void Detach() { window_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int PartHeight(QWidget* part) const;

    ::Window* window_;
    QWidget* content_;
    QWidget* menuBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};
