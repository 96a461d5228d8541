#pragma once

#include <QColor>
#include <QPen>
#include <QQuickPaintedItem>

// One straight line, solid, dashed or dotted. Colour and width are applied when the item
// paints, so changing them shows at the next repaint, not at once.
class LineDraw : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ readColor WRITE Color)
    Q_PROPERTY(int linewidth READ readLineWidth WRITE LineWidth)
public:
    explicit LineDraw(QQuickItem* parent = nullptr);

    void paint(QPainter* painter) override;

    QColor readColor() const { return color_; }
    void Color(const QColor& color) { color_ = color; }
    int readLineWidth() const { return lineWidth_; }
    void LineWidth(int nWidth) { lineWidth_ = nWidth; }

    Q_INVOKABLE void drawLineDash(int x1, int y1, int x2, int y2);
    Q_INVOKABLE void drawDotLine(int x1, int y1, int x2, int y2);
    Q_INVOKABLE void drawLines(int x1, int y1, int x2, int y2);

private:
    void drawWithStyle(Qt::PenStyle style, int x1, int y1, int x2, int y2);

    // Until the first drawing call there is no line to paint.
    bool hasLine_ = false;
    int lineX_1 = 0;
    int lineY_1 = 0;
    int lineX_2 = 0;
    int lineY_2 = 0;
    QPen pen_;
    QColor color_{QStringLiteral("red")};
    int lineWidth_ = 1;
};
