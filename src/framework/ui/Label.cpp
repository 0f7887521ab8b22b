#include "Label.h"

#include <QLabel>

Label::Label(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QLabel(parent)), label_(static_cast<QLabel*>(Widget())) {
  UpdateFocusPolicy();
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString Label::Text() const { return label_->text(); }

void Label::SetText(const QString& text) { label_->setText(text); }

int Label::TextSize() const { return label_->font().pixelSize(); }

void Label::SetTextSize(int size) {
  QFont font = label_->font();
  if (size > 0) font.setPixelSize(size);
  label_->setFont(font);
}

bool Label::Bold() const { return label_->font().bold(); }

void Label::SetBold(bool bold) {
  QFont font = label_->font();
  font.setBold(bold);
  label_->setFont(font);
}

void Label::ApplyProps(const QVariantMap& props) {
  RectControl::ApplyProps(props);
  const QString align = props.value("Alignment").toString();
  if (align == "right") label_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  if (align == "center") label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  if (props.value("Multiline").toBool()) label_->setWordWrap(true);
}

void Label::RunOpen() {
  if (Open && Live()) Open(*this);
}
