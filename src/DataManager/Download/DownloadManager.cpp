#include "DataManager/Download/DownloadManager.h"

#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QUrl>

namespace {

DownloadManager* s_pInstance = nullptr;

const QString kMiddleImg = QStringLiteral("middle_img");
const char* const kActivityFolder = "activity";

struct CachedFile
{
    QString qstrName;
    QString qstrPath;
    QString qstrLocalUrl;
};

// An address without a name a cache takes has no file (all fields empty).
CachedFile cachedFile(const QString& qstrUrl)
{
    CachedFile file;
    file.qstrName = CacheFolder::fileNameOf(qstrUrl);
    if (file.qstrName.isEmpty())
        return file;
    file.qstrPath = QCoreApplication::applicationDirPath() + QStringLiteral("/temp/") +
                    QLatin1String(kActivityFolder) + QLatin1Char('/') + file.qstrName;
    file.qstrLocalUrl = QUrl::fromLocalFile(file.qstrPath).toString();
    return file;
}

void download(const QString& qstrUrl, const QString& qstrName, int nCmd)
{
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->CurlDownloadFile(qstrUrl.toStdString(), qstrName.toStdString(), kActivityFolder,
                                nCmd, 0, std::string(), true);
}

void fetchIfMissing(const QString& qstrUrl, const CachedFile& file)
{
    if (!file.qstrName.isEmpty() && !WebRecv::keepCachedFile(file.qstrPath))
        download(qstrUrl, file.qstrName, CAROUSE_RESULT);
}

QString textOf(const Json::Value& object, const char* szKey)
{
    return QString::fromStdString(JsonRead::getText(object, szKey));
}

} // namespace

DownloadPictrue::DownloadPictrue(QObject* parent) : DownloadBase(parent)
{
    setDownloadType(Download_Pictrue);
}

DownloadManager::DownloadManager()
{
    s_pInstance = this;
}

// The QML engine owns the object it received and deletes it with itself; a later
// GetInstance() then builds a new one instead of handing out a dangling pointer.
DownloadManager::~DownloadManager()
{
    qDeleteAll(m_hashPictrue);
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

DownloadManager* DownloadManager::GetInstance()
{
    if (!s_pInstance)
        new DownloadManager;
    return s_pInstance;
}

QObject* virtualDownloadManager(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine);
    Q_UNUSED(scriptEngine);
    return DownloadManager::GetInstance();
}

void DownloadManager::addMiddleImgByJson(const Json::Value& retData, int)
{
    DownloadPictrue* pPicture = getDataByKey(kMiddleImg, Download_Pictrue);
    const Json::Value& middle = JsonRead::member(retData, "middle_img");
    if (middle.isObject()) {
        if (!pPicture) {
            pPicture = new DownloadPictrue;
            QQmlEngine::setObjectOwnership(pPicture, QQmlEngine::CppOwnership);
        }
        pPicture->setKey(kMiddleImg);
        pPicture->setJumpUrl(textOf(middle, "url"));
        pPicture->setHttpUrl(textOf(middle, "img"));
        const CachedFile file = cachedFile(pPicture->getHttpUrl());
        pPicture->setName(file.qstrName);
        pPicture->setLocalPath(file.qstrPath);
        pPicture->setLocalUrl(file.qstrLocalUrl);
        fetchIfMissing(pPicture->getHttpUrl(), file);

        const Json::Value& variant = JsonRead::member(retData, "middle_img_hk");
        if (variant.isObject()) {
            pPicture->setJumpHkUrl(textOf(variant, "url"));
            pPicture->setHkHttpUrl(textOf(variant, "img"));
            const CachedFile hkFile = cachedFile(pPicture->getHkHttpUrl());
            pPicture->setHkName(hkFile.qstrName);
            pPicture->setHkLocalPath(hkFile.qstrPath);
            pPicture->setHkLocalUrl(hkFile.qstrLocalUrl);
            fetchIfMissing(pPicture->getHkHttpUrl(), hkFile);
        }
    }
    m_hashPictrue.insert(kMiddleImg, pPicture);
}

bool DownloadManager::isExsit(const QString& qstrKey, int nType, int) const
{
    return nType == Download_Pictrue && m_hashPictrue.contains(qstrKey);
}

DownloadPictrue* DownloadManager::getDataByKey(const QString& qstrKey, int nType, int) const
{
    return nType == Download_Pictrue ? m_hashPictrue.value(qstrKey, nullptr) : nullptr;
}

QObject* DownloadManager::getQmlObjByKey(QString qstrKey, int nType, int nValue)
{
    return getDataByKey(qstrKey, nType, nValue);
}

QString DownloadManager::getMiddleParam(int nValue)
{
    const DownloadPictrue* pPicture = getDataByKey(kMiddleImg, Download_Pictrue);
    if (!pPicture)
        return QString();
    switch (nValue) {
    case 0:
        return pPicture->getLocalUrl();
    case 1:
        return pPicture->getHttpUrl();
    case 2:
        return pPicture->getHkLocalUrl();
    case 3:
        return pPicture->getHkHttpUrl();
    default:
        return QString();
    }
}

void DownloadManager::downloadPictrueByKey(QString qstrKey, int nValue)
{
    const DownloadPictrue* pPicture = getDataByKey(qstrKey, Download_Pictrue);
    if (!pPicture || (nValue != 0 && nValue != 1))
        return;
    if (nValue == 0)
        download(pPicture->getHttpUrl(), pPicture->getName(), MIDIMG_DOWNLOAD_RESULT);
    else
        download(pPicture->getHkHttpUrl(), pPicture->getHkName(), MIDIMG_DOWNLOAD_RESULT);
}
