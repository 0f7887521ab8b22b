#include "TextField.h"

#include <QKeyEvent>
#include <algorithm>
#include <QLineEdit>

#include "KeyText.h"

namespace {

Qt::Alignment AlignmentOf(const QString& name) {
  if (name == "right") return Qt::AlignRight | Qt::AlignVCenter;
  if (name == "center") return Qt::AlignHCenter | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

TextField::TextField(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Widget())) {
  UpdateFocusPolicy();
  QObject::connect(edit_, &QLineEdit::textEdited, this, [this] { DeliverTextChange(); });
}

QString TextField::Text() const { return edit_->text(); }

void TextField::SetText(const QString& text) {
  edit_->setText(text);
  DeliverTextChange();
}

bool TextField::Password() const { return edit_->echoMode() == QLineEdit::Password; }

void TextField::SetPassword(bool masked) { edit_->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal); }

bool TextField::ReadOnly() const { return edit_->isReadOnly(); }

void TextField::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }

int TextField::SelStart() const {
  return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void TextField::SetSelStart(int start) { edit_->setCursorPosition(std::clamp(start, 0, int(edit_->text().size()))); }

int TextField::SelLength() const { return edit_->selectionLength(); }

void TextField::SetSelLength(int length) {
  const int start = SelStart();
  const int available = int(edit_->text().size()) - start;
  edit_->setSelection(start, std::clamp(length, 0, std::max(0, available)));
}

void TextField::ApplyProps(const QVariantMap& props) {
  RectControl::ApplyProps(props);
  if (props.contains("Password")) SetPassword(props.value("Password").toBool());
  if (props.contains("ReadOnly")) SetReadOnly(props.value("ReadOnly").toBool());
  if (props.contains("LimitText")) SetLimitText(props.value("LimitText").toInt());
  if (props.contains("Alignment")) edit_->setAlignment(AlignmentOf(props.value("Alignment").toString()));
}

void TextField::RunOpen() {
  if (Open && Live()) Open(*this);
}

void TextField::DeliverTextChange() {
  if (TextChange && Live()) TextChange(*this);
}

void TextField::DeliverGotFocus() {
  if (GotFocus && Live()) GotFocus(*this);
}

void TextField::DeliverLostFocus() {
  if (LostFocus && Live()) LostFocus(*this);
}

void TextField::DeliverMouseEnter() {
  if (MouseEnter && Live()) MouseEnter(*this);
}

void TextField::DeliverMouseExit() {
  if (MouseExit && Live()) MouseExit(*this);
}

bool TextField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress && Live()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = KeyText::Of(*key);
    if (!text.isEmpty() && KeyDown && KeyDown(*this, text)) return true;
    if (limit_ > 0 && KeyText::Inserts(*key) && !edit_->isReadOnly()) {
      const int after = int(edit_->text().size()) - int(edit_->selectedText().size()) + int(key->text().size());
      if (after > limit_) return true;
    }
  }
  return RectControl::eventFilter(watched, event);
}
