#include "LineDraw.h"

#include <QPainter>

LineDraw::LineDraw(QQuickItem* parent) : QQuickPaintedItem(parent) {}

void LineDraw::paint(QPainter* painter)
{
    if (!hasLine_)
        return;
    pen_.setWidth(lineWidth_);
    pen_.setColor(color_);
    painter->setPen(pen_);
    painter->drawLine(lineX_1, lineY_1, lineX_2, lineY_2);
}

void LineDraw::drawLineDash(int x1, int y1, int x2, int y2)
{
    drawWithStyle(Qt::DashLine, x1, y1, x2, y2);
}

void LineDraw::drawDotLine(int x1, int y1, int x2, int y2)
{
    drawWithStyle(Qt::DotLine, x1, y1, x2, y2);
}

void LineDraw::drawLines(int x1, int y1, int x2, int y2)
{
    drawWithStyle(Qt::SolidLine, x1, y1, x2, y2);
}

void LineDraw::drawWithStyle(Qt::PenStyle style, int x1, int y1, int x2, int y2)
{
    pen_.setStyle(style);
    lineX_1 = x1;
    lineY_1 = y1;
    lineX_2 = x2;
    lineY_2 = y2;
    hasLine_ = true;
    update();
}
