#pragma once

#include <functional>

#include "RectControl.h"

class TextAreaWidget;

// A multi-line text area with a vertical scroll bar. Text follows the same
// rules as TextField's. Text reads back exactly as the program set it, with
// the user's edits applied where they were made: the editor's own form (no-
// break spaces shown as spaces, every line break one paragraph break) never
// reaches the text. Line breaks the user makes are carriage returns, the
// original platform's. A paste or drop into an area with a limit is cut to
// one character past it, enough for the program to see that it was too long,
// before the editor lays it out.
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
    void ApplyEdit(int position, int removed, int added);
    void DeliverEdit();
    QString FilterInsert(const QString& text) const;
    int TextIndex(int editorPosition) const;

    TextAreaWidget* edit_;
    QString text_;         // the text: as set, with the user's edits
    QString shownRaw_;     // the editor's characters when last seen
    bool edited_ = false;  // an edit not yet delivered as TextChange
    bool setting_ = false;
    int limit_ = 0;
};
