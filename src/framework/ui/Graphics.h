#pragma once

class Picture;
class QPainter;

// Drawing into a picture, or onto a control while it paints.
class Graphics {
public:
    // Stands for the picture's own width or height in DrawPicture.
    static constexpr int kWhole = -10000;

    // Draws into target (which must outlive this object).
    explicit Graphics(Picture* target);
    // Draws with a painter that is already active (a control's paint).
    explicit Graphics(QPainter* painter);

    // Draws the source rectangle of picture, scaled to the destination
    // rectangle at x, y. kWhole for a width or height means the picture's own;
    // the defaults draw it whole and unscaled. A null picture draws nothing.
    // Drawing into a mask picture applies the drawn greys as the mask.
    void DrawPicture(Picture* picture, int x, int y, int width = kWhole, int height = kWhole, int sourceX = 0,
                     int sourceY = 0, int sourceWidth = kWhole, int sourceHeight = kWhole);

private:
    void DrawWith(QPainter& painter, Picture* picture, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight);

    Picture* target_ = nullptr;
    QPainter* painter_ = nullptr;
};
