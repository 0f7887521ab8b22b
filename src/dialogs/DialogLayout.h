#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>

#include "framework/ui/LayoutRows.h"

class Canvas;
class Graphics;
class PushButton;

// Pieces the four dialogs' layout tables share.

// The window of every dialog: 420 x 135, titled "Brimel", application-modal,
// fixed in size, without a close button.
WindowSpec DialogWindow(FrameKind frame);

// The push button row, with its Action bound to handler.
ControlSpec ButtonRow(const QString& name, int left, int top, int width, int tabIndex, const QString& caption,
                      const QVariantMap& props, std::function<void(PushButton&)> handler);

// The application icon's canvas at 24, 15 (64 x 64), its Paint bound to handler.
ControlSpec IconCanvasRow(std::function<void(Canvas&, Graphics&)> handler);

// Draws about1, masked with aboutmask, whole and unscaled at the origin of g.
void PaintApplicationIcon(Graphics& g);
