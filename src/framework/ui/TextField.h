#pragma once

#include <functional>

#include "RectControl.h"

class QKeyEvent;
class QLineEdit;

// A one-line text field. Setting Text delivers TextChange inside the call,
// also when the window is hidden and when the text is unchanged; each edit
// the user makes delivers it once. LimitText (0: none) caps the text in
// characters however it arrives: typed, pasted, dropped or set by the program.
class TextField : public RectControl {
public:
    TextField(::Window* window, const QString& name, QWidget* parent);

    QString Text() const;
    void SetText(const QString& text);
    bool Password() const;
    void SetPassword(bool masked);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int LimitText() const { return limit_; }
    void SetLimitText(int limit);
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetText(text); }
    void RunOpen() override;
    void DeliverGotFocus() override;
    void DeliverLostFocus() override;

    std::function<void(TextField&)> Open;
    std::function<void(TextField&)> TextChange;
    std::function<void(TextField&)> GotFocus;
    std::function<void(TextField&)> LostFocus;
    std::function<void(TextField&)> MouseEnter;
    std::function<void(TextField&)> MouseExit;
    // Delivered for every key pressed in the field but a lone modifier, before
    // the field acts on it; gets the key as text (KeyDownText). True swallows it.
    std::function<bool(TextField&, const QString&)> KeyDown;

    // The key of a press as KeyDown gets it, for text fields and areas alike:
    // the typed character; the original platform's control character for
    // editing, arrow and Ctrl-letter keys; Chr(16) for a key that types nothing
    // (function keys). Empty only for a modifier pressed alone.
    static QString KeyDownText(const QKeyEvent& event);

protected:
    void DeliverMouseEnter() override;
    void DeliverMouseExit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DeliverTextChange();

    QLineEdit* edit_;
    int limit_ = 0;
};
