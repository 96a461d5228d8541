#pragma once

#include "PublicModule/HttpCurl/globleBase/NotifyProperty.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <string_view>

// The list a row belongs to. QML reads it as a number (property `enumProxyType`).
enum ProxyEnum
{
    Proxy_None = 0,
    Proxy_Online = 1,
    Proxy_Today = 2,
    Proxy_Favorite = 3,
    Proxy_Port = 4,
    Proxy_PortList = 5,
    Proxy_Program = 6,
    Proxy_ProgramLine = 7,
    Proxy_ApiHistory = 8,
    Proxy_ProgramHistory = 9,
    Proxy_StaticOnline = 10,
    Proxy_Equipment = 11,
    Proxy_EquipmentLine = 12,
    Proxy_EquipmentLineHistory = 13
};
using ProxyType = ProxyEnum;
constexpr int kProxyEnumCount = 14;

// What list views keep of a row that a property write can change.
enum KeyField
{
    Key_Line, // the line texts and the keys read from the line
    Key_Static,
    Key_Ip,
    Key_Ping,
    Key_BuyTime,
    Key_UpdateTime,
    Key_LoginTime,
    Key_CreateTime,
    Key_Count // none
};

constexpr int keyFieldOf(std::string_view name)
{
    constexpr std::pair<std::string_view, KeyField> kFields[] = {
        {"qjsonLine", Key_Line},        {"nIpTimeType", Key_Static},
        {"qstrIp", Key_Ip},             {"nPing", Key_Ping},
        {"qstrBuyTime", Key_BuyTime},   {"nUpdateTime", Key_UpdateTime},
        {"nLastLoginTime", Key_LoginTime}, {"nCreateTime", Key_CreateTime}};
    for (const auto& field : kFields)
        if (field.first == name)
            return field.second;
    return Key_Count;
}

class ProxyDataBase;
void noteKeyWrite(const ProxyDataBase* pRow, int nField);

// Inlined, so that the name, a literal, is matched while compiling.
inline void notePropertyWrite(const ProxyDataBase* pRow, const char* szName)
{
    if (const int nField = keyFieldOf(szName); nField != Key_Count)
        noteKeyWrite(pRow, nField);
}

// What every exit, history entry and device row has. ProxyManager creates, owns and
// deletes rows; QML only refers to them.
class ProxyDataBase : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(int, enumProxyType, getProxyType, setProxyType, Proxy_None)
    NOTIFY_PROPERTY(QString, qstrIp, getIp, setIp)
    NOTIFY_PROPERTY(QString, qstrSession, getSession, setSession)
    NOTIFY_PROPERTY(QString, qstrLine, getLine, setLine)
    NOTIFY_PROPERTY(QString, qstrSqlType, getSqlType, setSqlType)
    NOTIFY_PROPERTY(QJsonObject, qjsonLine, getqjsonLine, setqjsonLine)
    NOTIFY_PROPERTY(int, nPing, getPing, setPing, 0)
    NOTIFY_PROPERTY(int, nIpTimeType, getIpTimeType, setIpTimeType, 0)
    NOTIFY_PROPERTY(int, nBuyType, getBuyType, setBuyType, 0)
    NOTIFY_PROPERTY(bool, bFavorite, getFavorite, setFavorite, false)
    NOTIFY_PROPERTY(int, nEnumInterface, getEnumInterface, setEnumInterface, 0)

public:
    // The line's members that views filter and sort by.
    struct LineKeys
    {
        QString ip, country, state, city, postal, isp;
        double expireTime = 0;
    };

    explicit ProxyDataBase(ProxyEnum enumType);
    ProxyEnum proxyType() const { return static_cast<ProxyEnum>(getProxyType()); }
    // Read from the line once, and again only after the line changed.
    const LineKeys& lineKeys() const;
    // The keys of the line just set, read where its record was at hand.
    void setLineKeys(LineKeys keys);
    // The writes to one key field of a table's rows so far, and the row that made the last
    // run of them, from the write counted nRowSince on: keys kept from the rows follow one
    // row's change by reading that row alone.
    struct KeyWrites
    {
        quint64 nCount = 0;
        const ProxyDataBase* pRow = nullptr;
        quint64 nRowSince = 0;
    };
    static const KeyWrites& keyWrites(int enumTable, int nField);
    // Rows filed later count higher: views keep rows with equal keys in this order.
    quint64 filingOrder() const { return m_nFilingOrder; }
    void setFilingOrder(quint64 nOrder) { m_nFilingOrder = nOrder; }

signals:
    void signal_ClickFavorite(bool bFavorite);

private:
    mutable QJsonObject m_qjsonKeysFrom; // the line the keys were read from
    mutable LineKeys m_lineKeys;
    quint64 m_nFilingOrder = 0;
};

// An exit of the rotating (1), static (10) or device (12) line list.
class ProxyList : public ProxyDataBase
{
    Q_OBJECT
public:
    ProxyList() : ProxyDataBase(Proxy_Online) {}
};

// An exit offered for programs.
class ProgramLine : public ProxyDataBase
{
    Q_OBJECT
public:
    ProgramLine() : ProxyDataBase(Proxy_ProgramLine) {}
};

// A line of today's list; the history lists (8, 9, 13) hold the same kind of row.
class TodayList : public ProxyDataBase
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrPort, getPort, setPort)
    NOTIFY_PROPERTY(QString, qstrBuyTime, getBuyTime, setBuyTime)
    NOTIFY_PROPERTY(int, nCreateTime, getCreateTime, setCreateTime, 0)
    NOTIFY_PROPERTY(int, nUpdateTime, getUpdateTime, setUpdateTime, 0)
    NOTIFY_PROPERTY(int, nOnline, getOnline, setOnline, 1)
    NOTIFY_PROPERTY(bool, bIsShow, getIsShow, setIsShow, false)

public:
    TodayList();
    // Unbound, both times now, online, stamped for the current purchase.
    void initParam();
};

class FavoriteList : public ProxyDataBase
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrRemark, getRemark, setRemark)
    NOTIFY_PROPERTY(int, nCreateTime, getCreateTime, setCreateTime, 0)
    NOTIFY_PROPERTY(int, nUpdateTime, getUpdateTime, setUpdateTime, 0)
    NOTIFY_PROPERTY(int, nOnline, getOnline, setOnline, 1)

public:
    FavoriteList();
    void initParam();
};

// A device of the group control page.
class EquipmentList : public ProxyDataBase
{
    Q_OBJECT
    NOTIFY_PROPERTY(int, nLastLoginTime, getLastLoginTime, setLastLoginTime, 0)
    NOTIFY_PROPERTY(bool, bSelected, getSelected, setSelected, false)
    NOTIFY_PROPERTY(bool, bIsShow, getIsShow, setIsShow, true)
    NOTIFY_PROPERTY(bool, bIsProxy, getIsProxy, setIsProxy, false)
    NOTIFY_PROPERTY(bool, bIsBindLine, getIsBindLine, setIsBindLine, false)
    NOTIFY_PROPERTY(QJsonObject, jsonOperate, getJsonOperate, setJsonOperate)

public:
    EquipmentList() : ProxyDataBase(Proxy_Equipment) {}
};

// One local port of the pool, keyed by its number as text.
class Port : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrSession, getSession, setSession)
    NOTIFY_PROPERTY(QString, qstrPort, getPort, setPort)
    NOTIFY_PROPERTY(bool, bUsed, getUsed, setUsed, false)
    NOTIFY_PROPERTY(bool, bClearSkip, getClearSkip, setClearSkip, false)
    NOTIFY_PROPERTY(QJsonObject, qjsonLine, getqjsonLine, setqjsonLine)
    NOTIFY_PROPERTY(int, nOnline, getOnline, setOnline, 1)

public:
    // The state of a port no exit is bound to.
    void makeFree()
    {
        setUsed(false);
        setSession(QString());
        setOnline(0);
        setqjsonLine(QJsonObject());
    }
};

// One block of the port chooser.
class PortList : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrShow, getShow, setShow)
    NOTIFY_PROPERTY(int, nBeginPort, getBeginPort, setBeginPort, 50000)
    NOTIFY_PROPERTY(int, nPortCount, getPortCount, setPortCount, 20)
};

// One exit-to-port pairing of a batch allocation.
class LineAttachPort : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrSession, getSession, setSession)
    NOTIFY_PROPERTY(QString, qstrPort, getPort, setPort)
    NOTIFY_PROPERTY(int, nSizeAttach, getSizeAttach, setSizeAttach, 0)
    NOTIFY_PROPERTY(bool, bUsed, getUsed, setUsed, false)
};

// One application of the per-application proxy.
class Program : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(int, enumProxyType, getProxyType, setProxyType, Proxy_Program)
    NOTIFY_PROPERTY(int, nShowType, getShowType, setShowType, 0)
    NOTIFY_PROPERTY(QString, qstrProgramName, getProgramName, setProgramName)
    NOTIFY_PROPERTY(QString, qstrLocalPath, getLocalPath, setLocalPath)
    NOTIFY_PROPERTY(QString, qstrFullPath, getFullPath, setFullPath)
    // Always empty, so the page shows its program picture: no icon is taken from a program
    // file (a Linux executable carries none).
    NOTIFY_PROPERTY(QString, qstrLogoPath, getLogoPath, setLogoPath)
};
