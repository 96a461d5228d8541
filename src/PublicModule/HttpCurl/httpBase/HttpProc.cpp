#include "PublicModule/HttpCurl/httpBase/HttpProc.h"

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

namespace {
constexpr int kDomainAttempts = 3;
} // namespace

HttpProc::HttpProc(QObject* parent) : QObject(parent) {}

void HttpProc::getDomain()
{
    ParseWebsite(std::string());
}

int HttpProc::ParseWebsite(const std::string&)
{
    auto* pRecord = new HTTPEvent_KX(kDomainLookupCmd);
    pRecord->m_nRequestType = REQUEST_RUN;
    pRecord->m_strInterDescription = "获取保命地址";
    pRecord->m_nParam1 = kDomainAttempts;
    WebInterface::GetInstance()->StartThread(pRecord);
    return 0;
}
