#include "ProxyRows.h"

#include <QDateTime>

#include <array>

namespace {

// Per thread: rows are written on the thread that owns them, and the views reading the
// writes live on the GUI thread with the tables.
thread_local std::array<std::array<ProxyDataBase::KeyWrites, Key_Count>, kProxyEnumCount>
    t_keyWrites;

int nowSeconds()
{
    return static_cast<int>(QDateTime::currentSecsSinceEpoch());
}

} // namespace

void noteKeyWrite(const ProxyDataBase* pRow, int nField)
{
    const int enumTable = pRow->getProxyType();
    if (enumTable < 0 || enumTable >= kProxyEnumCount)
        return;
    ProxyDataBase::KeyWrites& writes = t_keyWrites[size_t(enumTable)][size_t(nField)];
    ++writes.nCount;
    if (writes.pRow != pRow) {
        writes.pRow = pRow;
        writes.nRowSince = writes.nCount;
    }
}

const ProxyDataBase::KeyWrites& ProxyDataBase::keyWrites(int enumTable, int nField)
{
    return t_keyWrites.at(size_t(enumTable)).at(size_t(nField));
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

void ProxyDataBase::setLineKeys(LineKeys keys)
{
    m_qjsonKeysFrom = m_qjsonLine;
    m_lineKeys = std::move(keys);
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
