#include "ProxyRows.h"

#include <QDateTime>

#include <atomic>

namespace {

std::atomic<quint64> s_nRowWrites{0};

int nowSeconds()
{
    return static_cast<int>(QDateTime::currentSecsSinceEpoch());
}

} // namespace

void notePropertyWrite(const ProxyDataBase*)
{
    s_nRowWrites.fetch_add(1, std::memory_order_relaxed);
}

quint64 ProxyDataBase::writeCount()
{
    return s_nRowWrites.load(std::memory_order_relaxed);
}

ProxyDataBase::ProxyDataBase(ProxyEnum enumType)
{
    setProxyType(enumType);
}

const ProxyDataBase::LineKeys& ProxyDataBase::lineKeys() const
{
    // An unchanged line still shares its data with the copy kept, which compares at once.
    if (m_qjsonKeysFrom == m_qjsonLine)
        return m_lineKeys;
    m_qjsonKeysFrom = m_qjsonLine;
    const auto text = [this](const char* szKey) {
        return m_qjsonLine.value(QLatin1String(szKey)).toString();
    };
    m_lineKeys = {text("ip"),
                  text("country"),
                  text("state"),
                  text("city"),
                  text("postal"),
                  text("isp"),
                  m_qjsonLine.value(QLatin1String("expire_time")).toDouble()};
    return m_lineKeys;
}

TodayList::TodayList() : ProxyDataBase(Proxy_Today)
{
    initParam();
}

void TodayList::initParam()
{
    setPort(QString());
    const int nNow = nowSeconds();
    setCreateTime(nNow);
    setUpdateTime(nNow);
    setOnline(1);
    setBuyType(1);
    setFavorite(false);
    setIsShow(false);
}

FavoriteList::FavoriteList() : ProxyDataBase(Proxy_Favorite)
{
    initParam();
}

void FavoriteList::initParam()
{
    const int nNow = nowSeconds();
    setCreateTime(nNow);
    setUpdateTime(nNow);
    setOnline(1);
}
