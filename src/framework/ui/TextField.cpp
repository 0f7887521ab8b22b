#include "TextField.h"

#include <QKeyEvent>
#include <algorithm>
#include <QLineEdit>

#include "CharacterLimit.h"
#include "KeyText.h"
#include "framework/core/Strings.h"

namespace {

Qt::Alignment AlignmentOf(const QString& name) {
    if (name == "right")
        return Qt::AlignRight | Qt::AlignVCenter;
    if (name == "center")
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool IsModifier(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
            return true;
        default:
            return false;
    }
}

}  // namespace

QString TextField::KeyDownText(const QKeyEvent& event) {
    if (IsModifier(event.key()))
        return QString();
    QString key = KeyText::Of(event);
    if (!key.isEmpty())
        return key;
    const bool control = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return QString(QChar(event.key() - Qt::Key_A + 1));
    // Other held keys with Ctrl: the key as it is without it.
    key = KeyText::Of(QKeyEvent(QEvent::KeyPress, event.key(), Qt::NoModifier, event.text()));
    if (!key.isEmpty())
        return key;
    return QString(QChar(16));
}

TextField::TextField(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
    UpdateFocusPolicy();
    QObject::connect(edit_, &QLineEdit::textEdited, this, [this] { DeliverTextChange(); });
}

QString TextField::Text() const {
    return edit_->text();
}

void TextField::SetText(const QString& text) {
    edit_->setText(limit_ > 0 ? ::Left(text, limit_) : text);
    DeliverTextChange();
}

void TextField::SetLimitText(int limit) {
    limit_ = limit;
    delete edit_->validator();
    edit_->setValidator(limit > 0 ? new CharacterLimit(limit, edit_) : nullptr);
}

bool TextField::Password() const {
    return edit_->echoMode() == QLineEdit::Password;
}

void TextField::SetPassword(bool masked) {
    edit_->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

bool TextField::ReadOnly() const {
    return edit_->isReadOnly();
}

void TextField::SetReadOnly(bool readOnly) {
    edit_->setReadOnly(readOnly);
    ShowReadOnly(readOnly);
}

int TextField::SelStart() const {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TextField::SetSelStart(int start) {
    edit_->setCursorPosition(std::clamp(start, 0, int(edit_->text().size())));
}

int TextField::SelLength() const {
    return edit_->selectionLength();
}

void TextField::SetSelLength(int length) {
    const int start = SelStart();
    const int available = int(edit_->text().size()) - start;
    edit_->setSelection(start, std::clamp(length, 0, std::max(0, available)));
}

void TextField::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("Password"))
        SetPassword(props.value("Password").toBool());
    if (props.contains("ReadOnly"))
        SetReadOnly(props.value("ReadOnly").toBool());
    if (props.contains("LimitText"))
        SetLimitText(props.value("LimitText").toInt());
    if (props.contains("Alignment"))
        edit_->setAlignment(AlignmentOf(props.value("Alignment").toString()));
}

void TextField::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void TextField::DeliverTextChange() {
    if (TextChange && Live())
        TextChange(*this);
}

void TextField::DeliverGotFocus() {
    if (GotFocus && Live())
        GotFocus(*this);
}

void TextField::DeliverLostFocus() {
    if (LostFocus && Live())
        LostFocus(*this);
}

void TextField::DeliverMouseEnter() {
    if (MouseEnter && Live())
        MouseEnter(*this);
}

void TextField::DeliverMouseExit() {
    if (MouseExit && Live())
        MouseExit(*this);
}

bool TextField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress && Live()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = KeyDownText(*key);
        if (!text.isEmpty() && KeyDown && KeyDown(*this, text))
            return true;
        if (limit_ > 0 && KeyText::Inserts(*key) && !edit_->isReadOnly()) {
            // A key that would not fit is not typed at all (nor delivered as an edit).
            const int after = Len(edit_->text()) - Len(edit_->selectedText()) + Len(key->text());
            if (after > limit_)
                return true;
        }
    }
    return RectControl::eventFilter(watched, event);
}
