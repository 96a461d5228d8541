#include "DataManager/Paint/PaintItem.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QSGSimpleTextureNode>

namespace {

constexpr int kThumbSide = 85;
constexpr qreal kCornerRadius = 24.0;

} // namespace

PaintItem::PaintItem(QQuickItem* parent)
    : QQuickItem(parent), m_imageThumb(QStringLiteral(":/image/exe_logo.png"))
{
    setFlag(ItemHasContents, true);
}

void PaintItem::setPath(const QString& qstrPath)
{
    if (m_qstrPath == qstrPath)
        return;
    m_qstrPath = qstrPath;
    emit qstrPathChanged(qstrPath);
}

void PaintItem::updateNode()
{
    update();
}

void PaintItem::updateImage(const QImage& image)
{
    m_imageThumb = image;
    update();
}

void PaintItem::updatePath(QString qstrPath, int nValue)
{
    if (nValue == 0)
        updateByImgPath(qstrPath);
}

void PaintItem::updateByImgPath(const QString& qstrPath)
{
    QImage image(qstrPath);
    if (image.isNull())
        image.load(qstrPath, "jpg");
    updateImage(image);
    if (!image.isNull())
        emit signal_ImgPathChange(qstrPath);
}

// An unreadable or empty file leaves the picture as it was (its size is divided by).
void PaintItem::readerImage(QString qstrPath)
{
    QImageReader reader(qstrPath);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const bool bWide = size.width() >= size.height();
    const QSize scaled = bWide ? QSize(size.width() * kThumbSide / size.height(), kThumbSide)
                               : QSize(kThumbSide, size.height() * kThumbSide / size.width());
    reader.setScaledSize(scaled);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    const QPoint corner = bWide ? QPoint((scaled.width() - kThumbSide) / 2, 0)
                                : QPoint(0, (scaled.height() - kThumbSide) / 2);
    updateImage(image.copy(QRect(corner, QSize(kThumbSide, kThumbSide))));
}

void PaintItem::cornerImage(QString qstrPath)
{
    QImage image(qstrPath);
    if (image.isNull())
        return;
    resizeImage(image);
    updateImage(image);
}

void PaintItem::resizeImage(QImage& image)
{
    QImage rounded(image.size(), QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rounded.rect()), kCornerRadius, kCornerRadius);
    painter.setClipPath(clip);
    painter.drawImage(0, 0, image);
    painter.end();
    image = rounded;
}

void PaintItem::updateUiPath(QString qstrPath)
{
    m_nIsUiImgUpdate = 1;
    emit signal_ImgPathChange(qstrPath);
}

void PaintItem::updateRemotePath(QString, int, int) {}

QSGNode* PaintItem::updatePaintNode(QSGNode* pOldNode, UpdatePaintNodeData*)
{
    delete pOldNode;
    const QImage& image = m_imageThumb;
    QQuickWindow* pWindow = window();
    if (!pWindow || image.isNull())
        return nullptr;
    // Opaque only without alpha: an opaque rounded picture would draw black corners.
    const QQuickWindow::CreateTextureOptions options = image.hasAlphaChannel()
                                                           ? QQuickWindow::CreateTextureOptions()
                                                           : QQuickWindow::TextureIsOpaque;
    auto* pNode = new QSGSimpleTextureNode;
    pNode->setTexture(pWindow->createTextureFromImage(image, options));
    pNode->setOwnsTexture(true);
    pNode->setRect(boundingRect());
    pNode->markDirty(QSGNode::DirtyForceUpdate);
    return pNode;
}
