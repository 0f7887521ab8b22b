#include "dialogs/DialogLayout.h"

#include "app/Pictures.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/PushButton.h"

WindowSpec DialogWindow(FrameKind frame) {
    return FixedWindowRow(frame, 420, 135, QStringLiteral("Brimel"), MinimizeButton);
}

ControlSpec ButtonRow(const QString& name, int left, int top, int width, int tabIndex, const QString& caption,
                      const QVariantMap& props, std::function<void(PushButton&)> handler) {
    return LayoutRow(ControlKind::PushButton, name, left, top, width, 20, tabIndex, caption, props,
                     BindAs<PushButton>([handler](PushButton& button) { button.Action = handler; }));
}

ControlSpec IconCanvasRow(std::function<void(Canvas&, Graphics&)> handler) {
    return LayoutRow(ControlKind::Canvas, QStringLiteral("Canvas1"), 24, 15, 64, 64, 0, QString(),
                     {{"AcceptFocus", false}}, BindAs<Canvas>([handler](Canvas& canvas) { canvas.Paint = handler; }));
}

void PaintApplicationIcon(Graphics& g) {
    // The picture is shared, so its mask is drawn anew at each paint.
    ApplyMask(about1(), aboutmask());
    g.DrawPicture(about1(), 0, 0, Graphics::kWhole, Graphics::kWhole, 0, 0, Graphics::kWhole, Graphics::kWhole);
}
