#include "Interface/InterfaceRecv.h"

#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>
#include <QFileInfo>

namespace {

constexpr int kAccepted = 0;
constexpr int kRefused = 1;
constexpr int kUploadFailed = 2;

// Marks the record as an upload for the transfer progress reports.
constexpr int kUploadKind = 20;

} // namespace

void InterfacePost::getFeedbackCategory(int)
{
    sendRequest(newRequest(GET_CATA_RESULT, "GET_CATA_RESULT time", "/api/client/fb_cate", 0));
}

// Only a regular file is sent: anything else could block the upload or leak a device.
void InterfacePost::uploadFeedbackPicture(QString qstrFilePath, int)
{
    const QFileInfo info(qstrFilePath);
    if (!info.isFile())
        return;
    qDebug() << "qstrPath:" << qstrFilePath << "qstrUpName:" << info.fileName();
    HTTPEvent_KX* pEvent =
        newRequest(PUSHPICTURE_UP_RESULT, "upload feedback picture", "/api/upload/file", 0);
    pEvent->m_nRequestType = REQUEST_UPLOAD;
    pEvent->m_strfilekey = "file";
    pEvent->m_strfileurl = QstrToStr(qstrFilePath);
    pEvent->m_strfilename = QstrToStr(info.fileName());
    pEvent->m_nParam8 = kUploadKind;
    sendRequest(pEvent);
}

void InterfacePost::pushFeedbackInfo(QString qstrCategory, QString qstrEmail, QString qstrContent,
                                     QString qstrImages)
{
    sendRequest(newRequest(SUBMIT_UP_RESULT, "SUBMIT_UP_RESULT", "/api/client/sub_fb", 0),
                {{"cate_id", QstrToStr(qstrCategory)},
                 {"email", QstrToStr(qstrEmail)},
                 {"content", QstrToStr(qstrContent)},
                 {"images", QstrToStr(qstrImages)},
                 {"version", kClientVersion}});
}

void InterfacePost::pushUseCDK(QString qstrCdk, int nValue)
{
    sendRequest(newRequest(WEB_USE_CDK_RESULT, "USE_CDK", "/api/client/use_cdk", nValue),
                {{"cdk", QstrToStr(qstrCdk)}});
}

void InterfaceRecv::slotGetFeedbackCategory(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult || answerCode(pEvent) != 0)
        return;
    const Json::Value& categories = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (categories.isArray())
        emit signal_SetUiData(kUiFeedbackCategories, StrToQstr(categories.toStyledString()),
                              kAccepted);
}

// Also called for a transport failure. A success without the picture's address would put
// an empty reference into the feedback, so it counts as refused.
void InterfaceRecv::slotUploadFeedbackPicture(HTTPEvent_KX* pEvent)
{
    const QString qstrFailed = tr("upload failed");
    if (!pEvent->m_bResult) {
        emit signal_SetUiData(kUiFeedbackPicture, qstrFailed, kUploadFailed);
        return;
    }
    const std::string strAddress = JsonRead::getString(pEvent->m_jsValue, "ret_data");
    if (answerCode(pEvent) != 0 || strAddress.empty()) {
        emit signal_SetUiData(kUiFeedbackPicture, refusalText(pEvent, qstrFailed), kRefused);
        return;
    }
    emit signal_SetUiData(kUiFeedbackPicture,
                          StrToQstr(pEvent->m_strfileurl) + '|' + StrToQstr(strAddress),
                          kAccepted);
}

void InterfaceRecv::slotPushFeedbackInfo(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult)
        return;
    if (answerCode(pEvent) == 0)
        emit signal_SetUiData(kUiFeedbackSent, StrToQstr(answerMsg(pEvent)), kAccepted);
    else
        emit signal_SetUiData(kUiFeedbackSent, refusalText(pEvent, tr("Submit failed")), kRefused);
}

void InterfaceRecv::slotUseCDK(HTTPEvent_KX* pEvent)
{
    const int nCode = answerCode(pEvent);
    const QString qstrMsg = StrToQstr(answerMsg(pEvent));
    emit signal_SetUiData(kUiRedeemed,
                          nCode == 0 ? qstrMsg : refusalText(pEvent, tr("Redeem failed")), nCode);
}
