// Devices of the group control page: their fields, ticks, operate objects, the changes
// sent to the service and the page's filter.
#include "ProxyManager.h"

#include "DataManager/Proxy/DeviceJson.h"
#include "DataManager/Proxy/ViewKeys.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QDebug>
#include <QJsonDocument>

#include <algorithm>

namespace {

using DeviceJson::compact;
using DeviceJson::number;
using DeviceJson::text;

constexpr int kOpRemarkSelected = 4;
constexpr int kOpProxyOffSelected = 5;
constexpr int kOpProxyOnSelected = 8;

void setLineKey(ProxyDataBase* pDevice, const QString& qstrName, const QJsonValue& value)
{
    if (!pDevice)
        return;
    QJsonObject line = pDevice->getqjsonLine();
    line.insert(qstrName, value);
    pDevice->setqjsonLine(line);
}

// A remark as the service keeps it.
QString encodedRemark(const QString& qstrRemark)
{
    return QString::fromStdString(
        Encryption::GetInstance()->encode(ProxyManager::setRemarkConvert(qstrRemark)));
}

QString chosen(const QString& qstrCode)
{
    return qstrCode == QLatin1String("random") ? QString() : qstrCode;
}

// A status code of the filter; -1 for any.
int chosenStatus(const QString& qstrCode)
{
    return chosen(qstrCode).isEmpty() ? -1 : chosen(qstrCode).toInt();
}

// The group control page's country, status and line-status combos and its search text.
struct DeviceFilter
{
    QString qstrText;
    QString qstrCountry;
    int nStatus = -1;
    int nLineStatus = -1;

    bool passes(const EquipmentList& device) const
    {
        const QJsonObject line = device.getqjsonLine();
        const bool bText = text(line, "name").contains(qstrText, Qt::CaseInsensitive) ||
                           text(line, "out_ip").contains(qstrText, Qt::CaseInsensitive);
        return bText && (qstrCountry.isEmpty() || text(line, "country_code") == qstrCountry) &&
               (nStatus == -1 || number(line, "online_status") == nStatus) &&
               (nLineStatus == -1 || number(line, "proxy_status") == nLineStatus);
    }
};

} // namespace

void ProxyManager::setEquipmentByJson(EquipmentList* pRow, const QJsonObject& record, int)
{
    QJsonObject operate = QJsonDocument::fromJson(text(record, "pc_extra").toUtf8()).object();
    checkOperateQJsonObj(operate);
    pRow->setJsonOperate(operate);
    pRow->setIsProxy(number(record, "proxy_status") == 1);
    pRow->setIsBindLine(!text(record, "ip_sn").isEmpty());
    pRow->setLastLoginTime(number(record, "last_login_time"));
}

// Table order is key order, so batches and line picks do not depend on hashing.
QList<EquipmentList*> ProxyManager::devicesInOrder() const
{
    QList<EquipmentList*> devices;
    for (ProxyDataBase* pRow : table(Proxy_Equipment))
        devices.append(static_cast<EquipmentList*>(pRow));
    std::sort(devices.begin(), devices.end(), [](const EquipmentList* a, const EquipmentList* b) {
        return a->getSession() < b->getSession();
    });
    return devices;
}

// The devices a batch operation acts on: ticked and passing the page's filter.
QList<EquipmentList*> ProxyManager::chosenDevices() const
{
    QList<EquipmentList*> devices = devicesInOrder();
    devices.erase(std::remove_if(devices.begin(), devices.end(),
                                 [](const EquipmentList* pDevice) {
                                     return !pDevice->getSelected() || !pDevice->getIsShow();
                                 }),
                  devices.end());
    return devices;
}

void ProxyManager::setEquipmentStatus(QString qstrKey, bool bStatus)
{
    auto* pDevice = static_cast<EquipmentList*>(getListDataByKey(qstrKey, Proxy_Equipment));
    const bool bChange = pDevice && pDevice->getSelected() != bStatus;
    if (bChange)
        pDevice->setSelected(bStatus);
    autoEquipmentCount(bChange ? 1 : 0, bStatus);
}

// Hidden devices keep their tick.
void ProxyManager::setAllEquipmentStatus(bool bStatus)
{
    int nChanged = 0;
    for (ProxyDataBase* pRow : table(Proxy_Equipment)) {
        auto* pDevice = static_cast<EquipmentList*>(pRow);
        if (pDevice->getIsShow() && pDevice->getSelected() != bStatus) {
            pDevice->setSelected(bStatus);
            ++nChanged;
        }
    }
    autoEquipmentCount(nChanged, bStatus);
}

void ProxyManager::autoEquipmentCount(int nCount, bool bAdd)
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setSelectedDevice(pParam->getSelectedDevice() + (bAdd ? nCount : -nCount));
}

// Rows come and go with every list answer; counting again keeps the figure true.
void ProxyManager::recountSelectedDevices()
{
    const RowTable& devices = table(Proxy_Equipment);
    const int nSelected =
        static_cast<int>(std::count_if(devices.begin(), devices.end(), [](ProxyDataBase* pRow) {
            return static_cast<EquipmentList*>(pRow)->getSelected();
        }));
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setSelectedDevice(nSelected);
}

void ProxyManager::setEquipmentKeyValueBySession(QString qstrKey, QString qstrName,
                                                 QString qstrValue)
{
    setLineKey(getListDataByKey(qstrKey, Proxy_Equipment), qstrName, qstrValue);
}

void ProxyManager::setEquipmentKeyValueBySession(QString qstrKey, QString qstrName, int nValue)
{
    setLineKey(getListDataByKey(qstrKey, Proxy_Equipment), qstrName, nValue);
}

void ProxyManager::setEquipmentOperateBySession(QString qstrKey, QString qstrName,
                                                QString qstrValue)
{
    setEquipmentOperate(qstrKey, qstrName, qstrValue);
}

void ProxyManager::setEquipmentOperateBySession(QString qstrKey, QString qstrName, int nValue)
{
    setEquipmentOperate(qstrKey, qstrName, nValue);
}

// An empty key sets the batch object, which the chosen devices then take whole.
void ProxyManager::setEquipmentOperate(const QString& qstrKey, const QString& qstrName,
                                       const QJsonValue& value)
{
    if (qstrKey.isEmpty()) {
        m_jsonBatchOperate.insert(qstrName, value);
        const QJsonObject batch = getBatchJsonOperate();
        for (EquipmentList* pDevice : chosenDevices())
            pDevice->setJsonOperate(batch);
        return;
    }
    if (auto* pDevice = static_cast<EquipmentList*>(getListDataByKey(qstrKey, Proxy_Equipment))) {
        QJsonObject operate = pDevice->getJsonOperate();
        operate.insert(qstrName, value);
        pDevice->setJsonOperate(operate);
    }
}

QJsonObject ProxyManager::getBatchJsonOperate() const
{
    QJsonObject batch = m_jsonBatchOperate;
    checkOperateQJsonObj(batch);
    return batch;
}

void ProxyManager::setEquipmentInterfaceBySession(QString qstrKey, QString qstrName,
                                                  QString qstrValue, int nValue)
{
    if (qstrKey.isEmpty())
        setEquipmentParamArray(qstrName, qstrValue);
    else
        setEquipmentParamBySession(qstrKey, qstrName, qstrValue, nValue);
}

// The row keeps its state; the service's answer comes back with the next list refresh.
void ProxyManager::setEquipmentParamBySession(const QString& qstrKey, const QString& qstrName,
                                              const QString& qstrValue, int nValue)
{
    auto* pDevice = static_cast<EquipmentList*>(getListDataByKey(qstrKey, Proxy_Equipment));
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (!pDevice || !pRecv)
        return;
    QJsonObject line = pDevice->getqjsonLine();
    line.insert(qstrName,
                qstrName == QLatin1String("remark") ? encodedRemark(qstrValue) : qstrValue);
    pRecv->pushBatchSaveDevice(
        text(line, "device_sn"), text(line, "remark"), text(line, "out_ip"),
        text(line, "country_code"), text(line, "st_code"), text(line, "city_code"),
        text(line, "ip_sn"), text(line, "server_ip"), text(line, "proxy_status"),
        text(line, "session_id"), text(line, "isp_code"), text(line, "zip_code"),
        text(line, "continent"), compact(pDevice->getJsonOperate()), nValue);
}

// The operation code follows from the change, whatever the screen passed.
void ProxyManager::setEquipmentParamArray(const QString& qstrName, const QString& qstrValue)
{
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (!pRecv)
        return;
    QStringList keys;
    for (const EquipmentList* pDevice : chosenDevices())
        keys << pDevice->getSession();
    const QString qstrKeys = keys.join(QLatin1Char(','));
    const QString none;
    if (qstrName == QLatin1String("remark")) {
        pRecv->pushBatchSaveDevice(qstrKeys, encodedRemark(qstrValue), none, none, none, none, none,
                                   none, none, none, none, none, none, none, kOpRemarkSelected);
    } else if (qstrName == QLatin1String("proxy_status")) {
        const int nCode =
            qstrValue == QLatin1String("1") ? kOpProxyOnSelected : kOpProxyOffSelected;
        pRecv->pushBatchSaveDevice(qstrKeys, none, none, none, none, none, none, none, qstrValue,
                                   none, none, none, none, none, nCode);
    }
}

QList<QObject*> ProxyManager::searchDeviceByKey(QString qstrText, int nValue)
{
    qDebug() << "searchDeviceByKey:" << qstrText << nValue;
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        emit pRecv->signal_SetUiData(kUiDeviceFilter, QStringLiteral("unchecked"), 0);
    SearchManager* pSearch = SearchManager::GetInstance();
    const DeviceFilter filter{qstrText, chosen(pSearch->getDeviceCurrentCountryCode()),
                              chosenStatus(pSearch->getDeviceCurrentStatusCode()),
                              chosenStatus(pSearch->getDeviceCurrentLineStatusCode())};
    QList<QObject*> rows;
    for (ProxyDataBase* pRow : table(Proxy_Equipment)) {
        auto* pDevice = static_cast<EquipmentList*>(pRow);
        pDevice->setIsShow(filter.passes(*pDevice));
        if (pDevice->getIsShow())
            rows.append(pDevice);
    }
    return finishView(Proxy_Equipment, rows, ViewKeys::Sort_DeviceLogin, [filter](QObject* pRow) {
        return filter.passes(*static_cast<EquipmentList*>(pRow));
    });
}

QList<QObject*> ProxyManager::getDataEquipmentAppend(int enumValue, int nValue)
{
    if (enumValue != Proxy_Equipment) {
        setDataSortType(nValue);
        return {};
    }
    setDataSortType(ViewKeys::Sort_DeviceLogin);
    QList<QObject*> rows;
    for (ProxyDataBase* pRow : qAsConst(m_hashEquipmentAppend))
        rows.append(pRow);
    std::stable_sort(rows.begin(), rows.end(), [](QObject* a, QObject* b) {
        return lessBy(ViewKeys::Sort_DeviceLogin, a, b);
    });
    return rows;
}

int ProxyManager::getEquipmentSize()
{
    return table(Proxy_Equipment).size();
}

void ProxyManager::getDeviceByKey(QString qstrKey, int)
{
    if (const auto* pDevice =
            static_cast<EquipmentList*>(getListDataByKey(qstrKey, Proxy_Equipment)))
        qDebug() << "getDeviceByKey:" << compact(pDevice->getJsonOperate());
}
