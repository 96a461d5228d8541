#include "Interface/InterfaceRecv.h"

#include "DataManager/Download/DownloadManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"

#include <QDebug>
#include <QJsonDocument>
#include <QStringList>

namespace {

// An icon already on disk is not fetched again; a changed icon comes with a new file name.
constexpr int kKeepExistingFile = 0;
const char* const kColumnFolder = "column";

} // namespace

void InterfacePost::pushGetUrl(int nValue)
{
    sendRequest(newRequest(URL_RESULT, "url接口", "/api/account/get_url", nValue));
}

void InterfacePost::pushGetColumn(int nValue)
{
    sendRequest(newRequest(COLUMN_RESULT, "get side column", "/api/client/get_column_v2", nValue));
}

void InterfacePost::pushDownloadSidePic(const QString& url, int)
{
    if (url.isEmpty())
        return;
    const QString qstrName = CacheFolder::fileNameOf(url);
    if (qstrName.isEmpty()) {
        qDebug() << "side bar icon without a file name:" << url;
        return;
    }
    CurlDownloadFile(QstrToStr(url), QstrToStr(qstrName), kColumnFolder, COLUMN_DOWNLOAD_RESULT,
                     kKeepExistingFile, std::string(), true);
}

void InterfaceRecv::slotGetUrl(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotGetUrl:";
    if (answerCode(pEvent) != 0)
        return;
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (!retData.isObject())
        return;

    if (GlobleParam* pParam = GlobleParam::GetInstance()) {
        pParam->setForgetPassUrl(answerText(retData, "reset_pass_url"));
        pParam->setCdkHelpUrl(answerText(retData, "cdk_help_url"));
        pParam->setProgramSettingUrl(answerText(retData, "proxy_help_url"));
        const QString qstrGoogleLoginUrl = answerText(retData, "google_login_url");
        if (!qstrGoogleLoginUrl.isEmpty())
            pParam->setGoogleLoginUrl(qstrGoogleLoginUrl);
    }
    parseBanProcess(retData, 0);

    const Json::Value& carousel = JsonRead::member(retData, "pc_qt_middle_img_rotation");
    if (carousel.isArray()) {
        SearchManager::GetInstance()->setCarouselDataJson(carousel, 0);
        emit signal_SetUiData(kUiCarouselImages, QString(), 0);
    }
    const Json::Value& signInImages = JsonRead::member(retData, "pc_login_img_rotation");
    if (signInImages.isArray()) {
        SearchManager::GetInstance()->setLoginImgDataJson(signInImages, 0);
        emit signal_SetUiData(kUiSignInImages, QString(), 0);
    }
    DownloadManager::GetInstance()->addMiddleImgByJson(retData, 0);
}

// Entries without a process name are left out: an empty name would match nothing useful.
void InterfaceRecv::parseBanProcess(Json::Value retData, int)
{
    const Json::Value& banned = JsonRead::member(retData, "ban_process");
    if (!banned.isArray())
        return;
    QStringList names;
    for (const Json::Value& entry : banned) {
        const QString qstrName = answerText(entry, "process");
        if (!qstrName.isEmpty())
            names.append(qstrName);
    }
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setBanProcess(names.join(QLatin1Char(',')));
}

void InterfaceRecv::slotGetColumn(HTTPEvent_KX* pEvent)
{
    if (answerCode(pEvent) != 0)
        return;
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (!retData.isArray())
        return;
    const std::string strStyled = retData.toStyledString();
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(strStyled));
    if (!doc.isArray()) {
        qDebug() << "数据解析有误";
        return;
    }

    // Entries may share an icon; two transfers into one file would spoil it.
    QStringList icons;
    if (GlobleParam* pParam = GlobleParam::GetInstance()) {
        pParam->applySideBar(doc.array(), [&icons](const QString& qstrUrl) {
            if (!icons.contains(qstrUrl))
                icons.append(qstrUrl);
        });
    }
    for (const QString& qstrUrl : icons)
        pushDownloadSidePic(qstrUrl);

    if (!SaveFileChar(Encode(strStyled).c_str(), GlobleParam::sideBarCachePath()))
        qDebug() << "side bar cache not written:" << GlobleParam::sideBarCachePath();
}

void InterfaceRecv::slotpushDownloadSidePic(HTTPEvent_KX*)
{
    emit signal_SetUiData(kUiSideBarIcon, QString(), 0);
}

// The picture joins the slides of its carousel the moment it is there.
void InterfaceRecv::slotDownCarouselImage(HTTPEvent_KX* pEvent)
{
    if (keepCachedFile(StrToQstr(pEvent->m_strFilePath)))
        SearchManager::GetInstance()->refreshShownImages();
}

void InterfaceRecv::slotDownMidImage(HTTPEvent_KX* pEvent)
{
    if (keepCachedFile(StrToQstr(pEvent->m_strFilePath)))
        emit signal_SetUiData(kUiMiddleImage, QString(), 0);
}
