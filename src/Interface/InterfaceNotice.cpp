#include "Interface/InterfaceRecv.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>

namespace {

// The "ret_data" of a successful answer; a null value when the answer failed or has none,
// so that every member read from it is missing.
const Json::Value& successPayload(const HTTPEvent_KX* pEvent)
{
    if (InterfaceRecv::answerCode(pEvent) != 0)
        return Json::Value::nullSingleton();
    return JsonRead::member(pEvent->m_jsValue, "ret_data");
}

} // namespace

void InterfacePost::pushGetMsgUnreadNum(int nValue)
{
    sendRequest(newRequest(GET_UNREAD_NUM, "GET_UNREAD_NUM", "/api/client/get_unread_num", nValue));
}

void InterfacePost::pushGetMsgList(int nValue)
{
    sendRequest(newRequest(GET_MSG_LIST, "GET_MSG_LIST", "/api/client/get_msg_list", nValue));
}

void InterfacePost::pushSaveReadMsg(QString qstrMsgID, int nValue)
{
    sendRequest(newRequest(SAVE_READ_MSG, "SAVE_READ_MSG", "/api/client/save_read_msg", nValue),
                {{"msg_id", QstrToStr(qstrMsgID)}});
}

void InterfaceRecv::slotGetMsgUnreadNum(HTTPEvent_KX* pEvent)
{
    const std::string strNum = JsonRead::getText(successPayload(pEvent), "num");
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (strNum.empty() || !pParam)
        return;
    const int nNum = StrToInt(strNum);
    qDebug() << "unreadmsg:" << nNum;
    pParam->setUnreadMsgNum(nNum);
}

void InterfaceRecv::slotGetMsgList(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotGetMsgList...begin";
    const Json::Value& list = JsonRead::member(successPayload(pEvent), "list");
    if (list.isArray())
        emit signal_SetUiData(kUiNoticeList, StrToQstr(list.toStyledString()), 0);
    qDebug() << "slotGetMsgList...end";
}

// The service's acknowledgement carries nothing the client keeps.
void InterfaceRecv::slotSaveReadMsg(HTTPEvent_KX*) {}
