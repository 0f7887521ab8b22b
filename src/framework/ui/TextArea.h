#pragma once

#include <functional>

#include "RectControl.h"

class QPlainTextEdit;

// A multi-line text area with a vertical scroll bar. Text follows the same
// rules as TextField's. Line breaks read back as carriage returns, the
// original platform's, so stored notes keep their bytes; a text the program
// sets reads back exactly as set until the user edits it.
class TextArea : public RectControl {
public:
    TextArea(::Window* window, const QString& name, QWidget* parent);

    QString Text() const;
    void SetText(const QString& text);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int LimitText() const { return limit_; }
    void SetLimitText(int limit) { limit_ = limit; }
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    void SelectAll();

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetText(text); }
    void RunOpen() override;
    void DeliverGotFocus() override;
    void DeliverLostFocus() override;

    std::function<void(TextArea&)> Open;
    std::function<void(TextArea&)> TextChange;
    std::function<void(TextArea&)> GotFocus;
    std::function<void(TextArea&)> LostFocus;
    std::function<void(TextArea&)> MouseEnter;
    std::function<void(TextArea&)> MouseExit;
    // As TextField's: every key but a lone modifier, before the area acts on it.
    std::function<bool(TextArea&, const QString&)> KeyDown;

protected:
    void DeliverMouseEnter() override;
    void DeliverMouseExit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UserChanged();
    QString WidgetText() const;

    QPlainTextEdit* edit_;
    QString programText_;  // the text as last set by the program
    QString shownText_;    // the widget's text when last seen, to tell edits from format changes
    bool userEdited_ = false;
    bool setting_ = false;
    int limit_ = 0;
};
