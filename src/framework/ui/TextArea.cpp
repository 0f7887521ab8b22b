#include "TextArea.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

#include "KeyText.h"
#include "TextField.h"

TextArea::TextArea(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QPlainTextEdit(parent)), edit_(static_cast<QPlainTextEdit*>(Widget())) {
    UpdateFocusPolicy();
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setTabChangesFocus(true);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, this, [this] { UserChanged(); });
}

QString TextArea::WidgetText() const {
    QString text = edit_->toPlainText();
    text.replace(QChar('\n'), QChar('\r'));
    return text;
}

QString TextArea::Text() const {
    return userEdited_ ? WidgetText() : programText_;
}

void TextArea::SetText(const QString& text) {
    setting_ = true;
    edit_->setPlainText(text);
    setting_ = false;
    programText_ = text;
    shownText_ = edit_->toPlainText();
    userEdited_ = false;
    if (TextChange && Live())
        TextChange(*this);
}

void TextArea::UserChanged() {
    if (setting_)
        return;
    const QString now = edit_->toPlainText();
    if (now == shownText_)
        return;  // a change of format only
    shownText_ = now;
    userEdited_ = true;
    if (TextChange && Live())
        TextChange(*this);
}

bool TextArea::ReadOnly() const {
    return edit_->isReadOnly();
}

void TextArea::SetReadOnly(bool readOnly) {
    edit_->setReadOnly(readOnly);
    // Its text can still be selected from the keyboard and copied.
    if (readOnly)
        edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ShowReadOnly(readOnly);
}

int TextArea::SelStart() const {
    return edit_->textCursor().selectionStart();
}

void TextArea::SetSelStart(int start) {
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(std::clamp(start, 0, int(edit_->document()->characterCount()) - 1));
    edit_->setTextCursor(cursor);
}

int TextArea::SelLength() const {
    const QTextCursor cursor = edit_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextArea::SetSelLength(int length) {
    QTextCursor cursor = edit_->textCursor();
    const int start = cursor.selectionStart();
    const int last = int(edit_->document()->characterCount()) - 1;
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + std::max(0, length), start, last), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void TextArea::SelectAll() {
    edit_->selectAll();
}

void TextArea::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("ReadOnly"))
        SetReadOnly(props.value("ReadOnly").toBool());
    if (props.contains("LimitText"))
        SetLimitText(props.value("LimitText").toInt());
}

void TextArea::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void TextArea::DeliverGotFocus() {
    if (GotFocus && Live())
        GotFocus(*this);
}

void TextArea::DeliverLostFocus() {
    if (LostFocus && Live())
        LostFocus(*this);
}

void TextArea::DeliverMouseEnter() {
    if (MouseEnter && Live())
        MouseEnter(*this);
}

void TextArea::DeliverMouseExit() {
    if (MouseExit && Live())
        MouseExit(*this);
}

bool TextArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress && Live()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = TextField::KeyDownText(*key);
        if (!text.isEmpty() && KeyDown && KeyDown(*this, text))
            return true;
        const bool inserts = KeyText::Inserts(*key) || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (limit_ > 0 && inserts && !edit_->isReadOnly()) {
            const int after = int(edit_->toPlainText().size()) - SelLength() + 1;
            if (after > limit_)
                return true;
        }
    }
    return RectControl::eventFilter(watched, event);
}
