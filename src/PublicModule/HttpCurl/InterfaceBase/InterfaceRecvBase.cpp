#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"

#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QDebug>

namespace {

constexpr int kDownloadKind = 10;
constexpr int kUploadKind = 20;
constexpr int kPrivacyOk = 200;

// Status values are read as decimal text: a missing or non-numeric one reads as 0.
int statusOf(WebRecv& state, const Json::Value& answer, const char* szKey)
{
    return state.StrToInt(JsonRead::getText(answer, szKey));
}

} // namespace

InterfaceRecvBase::InterfaceRecvBase()
{
    g_pWebRecv = this;
}

InterfaceRecvBase::~InterfaceRecvBase()
{
    if (g_pWebRecv == this)
        g_pWebRecv = nullptr;
}

InterfaceRecvBase* InterfaceRecvBase::GetInstance()
{
    return dynamic_cast<InterfaceRecvBase*>(g_pWebRecv);
}

void InterfaceRecvBase::PostEventInterfaceBase(HTTPEvent_KX* pEvent)
{
    switch (pEvent->m_nCmd) {
    case RECV_GETDOMAIN:
        qDebug() << "RECV_GETDOMAIN:";
        break;
    case DOWNLOAD_UPDATE_EXE:
        qDebug() << pEvent->m_strFilePath.c_str();
        slotUpdateExe(pEvent);
        break;
    case DOWNLOAD_UPDATE_ZIP:
        slotUpdateZip(pEvent);
        break;
    case GET_PRIVACY:
        slotGetPrivacy(pEvent);
        break;
    case GET_INSTALL_RESULT:
        slotInstallResult(pEvent);
        break;
    case GET_ABOUTT:
        slotInformationAbout(pEvent);
        break;
    case RECV_ABNORMAL_LOG:
        slotUpdateAbnormalLog(pEvent);
        break;
    default:
        break;
    }
    PostEventInterface(pEvent);
}

void InterfaceRecvBase::PostEventInterfaceErrorBase(HTTPEvent_KX* pEvent)
{
    qDebug() << "InterfaceRecvBase<->PostEventInterfaceErrorBase...";
    // A failed or cancelled update leaves no partial package behind, and no prompt waiting.
    if (pEvent->m_nCmd == DOWNLOAD_UPDATE_EXE) {
        dropUpdateLeftover(pEvent->m_nParam9, pEvent->m_strFilePath);
        emit signal_SetUiData(kUiUpdateFailed, QStringLiteral("update failed"), 0);
    }
    PostEventInterfaceError(pEvent);
}

void InterfaceRecvBase::SetDownloadProgressInterfaceBase(long dlNow, long dlTotal, long dlSpeed,
                                                         int nPos)
{
    qDebug() << "SetDownloadProgress<-->dlNow:" << dlNow << "<-->dlTotal:" << dlTotal
             << "dlSpeed:" << dlSpeed << "nPos:" << nPos;
    SetDownloadProgressInterface(dlNow, dlTotal, dlSpeed, nPos);
}

void InterfaceRecvBase::SetDownloadEventInterfaceBase(HTTPEvent_KX* pEvent)
{
    const bool bUpdate =
        pEvent->m_nParam8 == kDownloadKind && pEvent->m_nCmd == DOWNLOAD_UPDATE_EXE;
    // Checked on every report, so a cancel does not wait for the next whole percent.
    if (bUpdate && m_bCancelUpdate)
        pEvent->m_nParam7 = 0;
    const auto nPercent = static_cast<std::int32_t>(pEvent->m_nParam5);
    if (nPercent != static_cast<std::int32_t>(pEvent->m_nParam6) && pEvent->m_nParam7 != 0) {
        pEvent->m_nParam6 = nPercent;
        reportTransferStep(pEvent, nPercent);
    }
    SetDownloadEventInterface(pEvent);
}

void InterfaceRecvBase::reportTransferStep(HTTPEvent_KX* pEvent, int nPercent)
{
    if (pEvent->m_nParam8 == kUploadKind) {
        if (pEvent->m_nCmd == UPLOAD_FILE)
            emit signal_SetUiData(kUiUploadStep, StrToQstr(pEvent->m_strMd5), nPercent);
        return;
    }
    if (pEvent->m_nParam8 != kDownloadKind)
        return;
    switch (pEvent->m_nCmd) {
    case DOWNLOAD_UPDATE_EXE:
        emit signal_SetUiData(kUiDownloadStep, QStringLiteral("DOWNLOAD_UPDATE_EXE"), nPercent);
        break;
    case DOWNLOAD_UPDATE_ZIP:
        emit signal_SetUiData(kUiDownloadStep, QStringLiteral("DOWNLOAD_UPDATE_ZIP"), nPercent);
        break;
    case DRIVER_UPDATE:
        emit signal_SetUiData(kUiDownloadStep, QStringLiteral("DRIVER_UPDATE"), nPercent);
        break;
    default:
        break;
    }
}

void InterfaceRecvBase::ResetAppStateBase(int nType)
{
    qDebug() << "InterfaceRecvBase<->ResetAppState...";
    emit signal_SetUiData(kUiShowMain, QStringLiteral("Show Main"), 1);
    ResetAppState(nType);
}

void InterfaceRecvBase::setAppSendValue(int nType, QString qstrValue, int nValue)
{
    qDebug() << "InterfaceRecvBase<->setAppSendValue" << nType;
    emit signal_SetUiData(nType, qstrValue, nValue);
}

void InterfaceRecvBase::PostEventInterface(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecvBase<->PostEventInterface...";
}

void InterfaceRecvBase::PostEventInterfaceError(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecvBase<->PostEventInterfaceError...";
}

void InterfaceRecvBase::SetDownloadProgressInterface(long, long, long, int)
{
    qDebug() << "InterfaceRecvBase<->SetDownloadProgressInterface...";
}

void InterfaceRecvBase::SetDownloadEventInterface(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecvBase<->SetDownloadEventInterface...";
}

void InterfaceRecvBase::ResetAppState(int)
{
    qDebug() << "InterfaceRecvBase<->ResetAppState...";
}

// Nothing here can start the package, and no opener gets it either: the client stays open
// and says where it is.
void InterfaceRecvBase::slotUpdateExe(HTTPEvent_KX* pEvent)
{
    qDebug() << "exe update:" << pEvent->m_strFilePath.c_str();
    emit signal_SetUiData(kUiUpdateSaved, StrToQstr(pEvent->m_strFilePath), 0);
}

void InterfaceRecvBase::slotUpdateZip(HTTPEvent_KX* pEvent)
{
    qDebug() << "zip update:" << pEvent->m_strFilePath.c_str();
}

void InterfaceRecvBase::slotGetPrivacy(HTTPEvent_KX* pEvent)
{
    const Json::Value& answer = pEvent->m_jsValue;
    const Json::Value& result = JsonRead::member(answer, "result");
    if (statusOf(*this, answer, "code") != kPrivacyOk || !result.isObject())
        return;
    emit signal_SetUiData(kUiPrivacy, StrToQstr(JsonRead::getText(result, "web_privacy")), 0);
}

void InterfaceRecvBase::slotInstallResult(HTTPEvent_KX* pEvent)
{
    qDebug() << "install result:" << pEvent->m_strFilePath.c_str();
    emit signal_SetUiData(kUiInstallResult, StrToQstr(pEvent->m_strFilePath),
                          static_cast<int>(pEvent->m_nParam1));
}

void InterfaceRecvBase::slotInformationAbout(HTTPEvent_KX* pEvent)
{
    const Json::Value& answer = pEvent->m_jsValue;
    const Json::Value& data = JsonRead::member(answer, "ret_data");
    if (statusOf(*this, answer, "ret") != 0 || !data.isObject())
        return;
    const std::pair<const char*, int> texts[] = {
        {"company", kUiCompany}, {"privacy", kUiPrivacy}, {"user", kUiUserTerms}};
    for (const auto& text : texts) {
        if (data.isMember(text.first))
            emit signal_SetUiData(text.second, StrToQstr(JsonRead::getText(data, text.first)), 0);
    }
}

void InterfaceRecvBase::slotUpdateAbnormalLog(HTTPEvent_KX* pEvent)
{
    qDebug() << "update abnormal log code:" << JsonRead::getText(pEvent->m_jsValue, "code").c_str();
}
