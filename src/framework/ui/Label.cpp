#include "Label.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

Label::Label(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QLabel(parent)), label_(static_cast<QLabel*>(Widget())) {
    UpdateFocusPolicy();
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::SetText(const QString& text) {
    text_ = text;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label_->setText(shown);
}

void Label::SetTextColor(const QColor& color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, color);
    label_->setPalette(palette);
}

int Label::TextSize() const {
    return label_->font().pixelSize();
}

void Label::SetTextSize(int size) {
    QFont font = label_->font();
    if (size > 0)
        font.setPixelSize(size);
    label_->setFont(font);
}

bool Label::Bold() const {
    return label_->font().bold();
}

void Label::SetBold(bool bold) {
    QFont font = label_->font();
    font.setBold(bold);
    label_->setFont(font);
}

void Label::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    const QString align = props.value("Alignment").toString();
    if (align == "right")
        label_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    if (align == "center")
        label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (props.value("Multiline").toBool())
        label_->setWordWrap(true);
    const QString color = props.value("TextColor").toString();
    if (!color.isEmpty())
        SetTextColor(QColor(color));
}

void Label::RunOpen() {
    if (Open && Live())
        Open(*this);
}
