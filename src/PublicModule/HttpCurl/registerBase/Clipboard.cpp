#include "Clipboard.h"

#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>

namespace {

const QString kFileUrlMark = QStringLiteral("file:///");

QString fileNameOf(const QString& qstrPath)
{
    return qstrPath.mid(qstrPath.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

Clipboard::Clipboard(QObject* parent) : QObject(parent), clipboard(QGuiApplication::clipboard()) {}

QString Clipboard::cutFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/temp/cut/");
}

QString Clipboard::localPathFromText(const QString& qstrText)
{
    const int nStart = qstrText.indexOf(kFileUrlMark);
    if (nStart < 0)
        return qstrText;
    QString qstrUrl = qstrText.mid(nStart);
    qstrUrl = qstrUrl.left(qstrUrl.indexOf(QLatin1Char('\n'))).trimmed();
    return QUrl(qstrUrl).toLocalFile();
}

void Clipboard::setText(const QString& text)
{
    clipboard->setText(text, QClipboard::Clipboard);
}

int Clipboard::getImage(int nValue)
{
    const QMimeData* mimeData = clipboard->mimeData(QClipboard::Clipboard);
    if (mimeData && mimeData->hasImage())
        return takePicture(nValue);
    if (mimeData && mimeData->hasHtml()) {
        qDebug() << "hasHtml...";
        return KindHtml;
    }
    if (mimeData && mimeData->hasText()) {
        qDebug() << "hasText...";
        return takeTextFile(mimeData->text(), nValue);
    }
    clipboard->setText(QStringLiteral("Cannot display data"), QClipboard::Clipboard);
    return KindNone;
}

int Clipboard::takePicture(int nValue)
{
    qDebug() << "hasImage...";
    const QPixmap pixmap = QPixmap::fromImage(clipboard->image(QClipboard::Clipboard));
    const QString qstrTarget = cutFolder() + QString::number(pixmap.cacheKey()) + ".jpg";
    const QString qstrPath =
        WebRecv::savePicture(pixmap, qstrTarget, "JPG") ? QFileInfo(qstrTarget).absoluteFilePath()
                                                        : QString();
    emit signal_ChatCopyResult(KindPicture, fileNameOf(qstrPath), qstrPath, nValue);
    return KindPicture;
}

int Clipboard::takeTextFile(const QString& qstrText, int nValue)
{
    if (!qstrText.contains(kFileUrlMark))
        return KindText;
    const QString qstrPath = localPathFromText(qstrText);
    const int nKind = isImage(qstrPath) ? KindPicture : KindText;
    emit signal_ChatCopyResult(nKind, fileNameOf(qstrPath), qstrPath, nValue);
    return nKind;
}

void Clipboard::setImageByPath(const QString& qstrPath, int nValue)
{
    Q_UNUSED(nValue);
    const QString qstrFile = localPathFromText(qstrPath);
    qDebug() << "qstrPath:" << qstrPath;
    qDebug() << "qstrFile:" << qstrFile;
    QImageReader reader(qstrFile);
    reader.setDecideFormatFromContent(true);
    clipboard->setImage(reader.read(), QClipboard::Clipboard);
}

int Clipboard::getTextType(const QString& qstrKey, int nValue)
{
    Q_UNUSED(nValue);
    if (!isFileExist(qstrKey))
        return KindMissingFile;
    return isImage(qstrKey) ? KindPicture : KindText;
}

bool Clipboard::isFileExist(const QString& filePath)
{
    const QFileInfo info(filePath);
    return info.isFile() && info.size() > 0;
}

bool Clipboard::isImage(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return !QImage::fromData(file.readAll()).isNull();
}
