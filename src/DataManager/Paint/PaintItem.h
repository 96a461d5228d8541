#pragma once

#include <QImage>
#include <QQuickItem>
#include <QString>

// A scene-graph item that draws one image: a picture file, a centred square thumbnail or a
// picture with rounded corners.
class PaintItem : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QString qstrPath READ getPath WRITE setPath NOTIFY qstrPathChanged)

public:
    explicit PaintItem(QQuickItem* parent = nullptr);

    QString getPath() const { return m_qstrPath; }
    // Stores the text only; nothing is loaded.
    void setPath(const QString& qstrPath);

    Q_INVOKABLE void updateNode();
    // nValue 0 loads a picture file; any other value changes nothing.
    Q_INVOKABLE void updatePath(QString qstrPath, int nValue = 0);
    // The centred 85 x 85 square of the picture scaled to 85 on its short side.
    Q_INVOKABLE void readerImage(QString qstrPath);
    Q_INVOKABLE void cornerImage(QString qstrPath);
    Q_INVOKABLE void updateUiPath(QString qstrPath);
    // No local copy of a remote picture is ever resolved here: nothing changes.
    Q_INVOKABLE void updateRemotePath(QString qstrPath, int nGameId, int nIsSel);

    void updateImage(const QImage& image);
    void SetIsUiImgUpdate(int nValue) { m_nIsUiImgUpdate = nValue; }
    int GetIsUiImgUpdate() const { return m_nIsUiImgUpdate; }
    void updateByImgPath(const QString& qstrPath);
    // Rounds the corners (radius 24) on a transparent ground.
    static void resizeImage(QImage& image);

signals:
    void qstrPathChanged(QString qstrPath);
    void signal_ImgPathChange(QString qstrPath);

protected:
    QSGNode* updatePaintNode(QSGNode* pOldNode, UpdatePaintNodeData* pData) override;

private:
    QString m_qstrPath;
    QImage m_imageThumb;
    int m_nIsUiImgUpdate = 0;
};
