#include "ToolbarItem.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>

#include "Picture.h"
#include "Window.h"

ToolbarItem::ToolbarItem(::Window* window, const QString& name)
    : Control(window, name), action_(window->Toolbar()->addAction(QString())) {
    action_->setObjectName(name);
    window->BarsChanged();
    QObject::connect(action_, &QAction::triggered, this, [this] {
        if (Action && Live())
            Action(*this);
    });
}

QString ToolbarItem::Caption() const {
    return action_->text();
}

void ToolbarItem::SetCaption(const QString& caption) {
    action_->setText(caption);
    Window()->BarsChanged();
}

void ToolbarItem::SetImage(const QImage& image) {
    image_ = image;
    action_->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    Window()->BarsChanged();
}

void ToolbarItem::SetImage(Picture* picture) {
    SetImage(picture ? picture->ToImage() : QImage());
}

bool ToolbarItem::Enabled() const {
    return action_->isEnabled();
}

void ToolbarItem::SetEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

void ToolbarItem::SetHelpTag(const QString& tag) {
    Control::SetHelpTag(tag);
    action_->setToolTip(tag);
}

void ToolbarItem::Push() {
    if (action_->isEnabled())
        action_->trigger();
}

void ToolbarItem::ApplyProps(const QVariantMap& props) {
    if (props.contains("Enabled"))
        SetEnabled(props.value("Enabled").toBool());
}

void ToolbarItem::RunOpen() {
    if (Open && Live())
        Open(*this);
}
