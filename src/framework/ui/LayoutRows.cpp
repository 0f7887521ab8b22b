#include "LayoutRows.h"

#include <utility>

WindowSpec WindowRow(FrameKind frame, int width, int height, const QString& title) {
    WindowSpec spec;
    spec.frame = frame;
    spec.width = width;
    spec.height = height;
    spec.title = title;
    return spec;
}

WindowSpec FixedWindowRow(FrameKind frame, int width, int height, const QString& title, unsigned frameButtons) {
    WindowSpec spec = WindowRow(frame, width, height, title);
    spec.resizeable = false;
    spec.closeButton = (frameButtons & CloseButton) != 0;
    spec.minimizeButton = (frameButtons & MinimizeButton) != 0;
    spec.maximizeButton = (frameButtons & MaximizeButton) != 0;
    return spec;
}

WindowSpec ToolWindowRow(int width, int height, const QString& title, unsigned frameButtons) {
    WindowSpec spec = FixedWindowRow(FrameKind::Document, width, height, title, frameButtons);
    spec.menuBarVisible = false;
    return spec;
}

ControlSpec ControlRow(ControlKind kind, const QString& name, const QString& parent, int left, int top, int width,
                       int height, unsigned anchors, int tabIndex, const QString& text, const QString& helpTag,
                       const QVariantMap& props) {
    return {kind, name, parent, left, top, width, height, anchors, tabIndex, text, helpTag, props, {}};
}

ControlSpec LayoutRow(ControlKind kind, const QString& name, int left, int top, int width, int height, int tabIndex,
                      const QString& text, const QVariantMap& props, std::function<void(Control&)> bind) {
    ControlSpec row = ControlRow(kind, name, QString(), left, top, width, height, LockLeft | LockTop, tabIndex, text,
                                 QString(), props);
    row.bind = std::move(bind);
    return row;
}

QVariantMap WithProps(QVariantMap props, const QVariantMap& more) {
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        props.insert(it.key(), it.value());
    return props;
}
