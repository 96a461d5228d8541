#include "ProxyRows.h"

#include <QDateTime>

namespace {

int nowSeconds()
{
    return static_cast<int>(QDateTime::currentSecsSinceEpoch());
}

} // namespace

ProxyDataBase::ProxyDataBase(ProxyEnum enumType)
{
    setProxyType(enumType);
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
