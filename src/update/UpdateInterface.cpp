#include "update/UpdateInterface.h"

#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>

namespace qelupdate {

namespace {
constexpr int kAttempts = 3;
} // namespace

void InterfacePost::Test()
{
    emit signal_SetUiData(kUiTest, QStringLiteral("Test"), 0);
}

void InterfacePost::pushCheckLocalIp(int nValue)
{
    HTTPEvent_KX* pEvent = serviceRecord(kCheckLocalIp, "检测ip接口", "/api/check/ip", kAttempts);
    pEvent->m_nParam6 = nValue;
    WebInterface::GetInstance()->StartThread(pEvent);
}

InterfaceRecv::InterfaceRecv()
{
    qDebug() << "InterfaceRecv...begin"; // the bridge made this the process's receiver
}

void InterfaceRecv::PostEventInterface(HTTPEvent_KX* pEvent)
{
    if (pEvent->m_nCmd == RECV_GETDOMAIN) {
        qDebug() << "检测程序接口初始化完成";
        pushCheckLocalIp(0);
    } else if (pEvent->m_nCmd == kCheckLocalIp) {
        slotCheckLocalIp(pEvent);
    }
}

// Whatever the service said goes to the client as it came; the client reads it.
void InterfaceRecv::slotCheckLocalIp(HTTPEvent_KX* pEvent)
{
    qDebug() << "check ip answer:" << pEvent->m_strValue.c_str();
    setSendValue(QString::fromStdString(pEvent->m_strValue));
    emit signal_SetUiData(kUiChecked, QStringLiteral("检测成功处理"), 1);
}

void InterfaceRecv::PostEventInterfaceError(HTTPEvent_KX*)
{
    Json::Value reply;
    reply["code"] = 404;
    reply["msg"] = "Network disconnected";
    setSendValue(QString::fromStdString(toNormalString(reply)));
    emit signal_SetUiData(kUiChecked, QStringLiteral("检测失败处理"), 0);
}

void InterfaceRecv::SetDownloadProgressInterface(long dlNow, long dlTotal, long dlSpeed, int nPos)
{
    qDebug() << "SetDownloadProgress<-->dlNow:" << dlNow << "<-->dlTotal:" << dlTotal
             << "dlSpeed:" << dlSpeed << "nPos:" << nPos;
}

void InterfaceRecv::SetDownloadEventInterface(HTTPEvent_KX*) {}

void InterfaceRecv::ResetAppState(int)
{
    qDebug() << "InterfaceRecv<->ResetAppState...";
}

void InterfaceRecv::setSendValue(QString qstrValue)
{
    CppDataBase::GetInstance()->setSendValue(qstrValue);
}

QString InterfaceRecv::getSendValue()
{
    return CppDataBase::GetInstance()->getSendValue();
}

} // namespace qelupdate
