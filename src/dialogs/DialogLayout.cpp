#include "dialogs/DialogLayout.h"

#include "app/Pictures.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/PushButton.h"

WindowSpec DialogWindow(FrameKind frame) {
  WindowSpec spec;
  spec.frame = frame;
  spec.width = 420;
  spec.height = 135;
  spec.minWidth = 64;
  spec.minHeight = 64;
  spec.maxWidth = 32000;
  spec.maxHeight = 32000;
  spec.title = QStringLiteral("Brimel");
  spec.visible = true;
  spec.closeButton = false;
  spec.resizeable = false;
  spec.minimizeButton = true;
  spec.maximizeButton = false;
  return spec;
}

ControlSpec LayoutRow(ControlKind kind, const QString& name, int left, int top, int width, int height, int tabIndex,
                      const QString& text, const QVariantMap& props) {
  ControlSpec row;
  row.kind = kind;
  row.name = name;
  row.left = left;
  row.top = top;
  row.width = width;
  row.height = height;
  row.anchors = LockLeft | LockTop;
  row.tabIndex = tabIndex;
  row.text = text;
  row.props = props;
  return row;
}

ControlSpec ButtonRow(const QString& name, int left, int top, int width, int tabIndex, const QString& caption,
                      const QVariantMap& props, std::function<void(PushButton&)> handler) {
  ControlSpec row = LayoutRow(ControlKind::PushButton, name, left, top, width, 20, tabIndex, caption, props);
  row.bind = [handler](Control& control) { static_cast<PushButton&>(control).Action = handler; };
  return row;
}

ControlSpec IconCanvasRow(std::function<void(Canvas&, Graphics&)> handler) {
  ControlSpec row = LayoutRow(ControlKind::Canvas, QStringLiteral("Canvas1"), 24, 15, 64, 64, 0, QString(),
                              {{"AcceptFocus", false}});
  row.bind = [handler](Control& control) { static_cast<Canvas&>(control).Paint = handler; };
  return row;
}

void PaintApplicationIcon(Graphics& g) {
  // The picture is shared, so its mask is drawn anew at each paint.
  ApplyMask(about1(), aboutmask());
  g.DrawPicture(about1(), 0, 0, Graphics::kWhole, Graphics::kWhole, 0, 0, Graphics::kWhole, Graphics::kWhole);
}
