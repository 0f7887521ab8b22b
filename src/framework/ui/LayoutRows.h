#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>

#include "ControlSpec.h"
#include "WindowSpec.h"

// Builders for the rows of the windows' layout tables, so that each table
// names only what differs from row to row.

// The buttons in a window's frame; combine with |.
enum FrameButtons : unsigned {
    NoFrameButtons = 0,
    CloseButton = 1u << 0,
    MinimizeButton = 1u << 1,
    MaximizeButton = 1u << 2,
};

// A window's own row: shown when built, resizeable, with every frame button
// and the default size limits.
WindowSpec WindowRow(FrameKind frame, int width, int height, const QString& title);

// A window of fixed size, shown when built, with the given frame buttons.
WindowSpec FixedWindowRow(FrameKind frame, int width, int height, const QString& title, unsigned frameButtons);

// A tool window (About, the generator): a document window of fixed size that
// shows no menu bar.
WindowSpec ToolWindowRow(int width, int height, const QString& title, unsigned frameButtons);

// One row of a control table, every column given.
ControlSpec ControlRow(ControlKind kind, const QString& name, const QString& parent, int left, int top, int width,
                       int height, unsigned anchors, int tabIndex, const QString& text = QString(),
                       const QString& helpTag = QString(), const QVariantMap& props = QVariantMap());

// A row of a control in the window itself, anchored to the top left, without a help tag.
ControlSpec LayoutRow(ControlKind kind, const QString& name, int left, int top, int width, int height, int tabIndex,
                      const QString& text = QString(), const QVariantMap& props = QVariantMap(),
                      std::function<void(Control&)> bind = {});

// A row's bind for a control of kind T: handler gets the control as a T.
template <class T, class Handler>
std::function<void(Control&)> BindAs(Handler handler) {
    return [handler](Control& control) { handler(static_cast<T&>(control)); };
}

// props with the entries of more added, replacing those of the same name.
QVariantMap WithProps(QVariantMap props, const QVariantMap& more);
