#include "framework/ui/Graphics.h"

#include "framework/ui/Picture.h"

#include <QPainter>

Graphics::Graphics(Picture* target) : target_(target) {}

Graphics::Graphics(QPainter* painter) : painter_(painter) {}

void Graphics::DrawPicture(Picture* picture, int x, int y, int width, int height, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight) {
    if (!picture) {
        return;
    }
    if (painter_) {
        DrawWith(*painter_, picture, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight);
    } else if (target_) {
        QPainter painter(&target_->image_);
        DrawWith(painter, picture, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight);
    }
}

void Graphics::DrawWith(QPainter& painter, Picture* picture, int x, int y, int width, int height, int sourceX,
                        int sourceY, int sourceWidth, int sourceHeight) {
    if (sourceWidth == kWhole) {
        sourceWidth = picture->Width();
    }
    if (sourceHeight == kWhole) {
        sourceHeight = picture->Height();
    }
    if (width == kWhole) {
        width = sourceWidth;
    }
    if (height == kWhole) {
        height = sourceHeight;
    }
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    painter.drawImage(QRect(x, y, width, height), picture->ToImage(),
                      QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}
