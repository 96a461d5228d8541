#include "Interface/LocalAddress.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include <algorithm>

namespace {

const QHostAddress kLocalHost(QHostAddress::LocalHost);

bool isOutsideIpv4(const QNetworkAddressEntry& entry)
{
    const QHostAddress address = entry.ip();
    return address.protocol() == QAbstractSocket::IPv4Protocol && address != kLocalHost;
}

bool qualifies(const LocalInterface& candidate)
{
    if (candidate.qstrName.contains(QLatin1String("VMware")) ||
        candidate.qstrName.contains(QLatin1String("Loopback")))
        return false;
    if (!candidate.bUp || !candidate.bRunning || candidate.bLoopback)
        return false;
    return std::any_of(candidate.entries.begin(), candidate.entries.end(), isOutsideIpv4);
}

} // namespace

QList<LocalInterface> systemInterfaces()
{
    QList<LocalInterface> interfaces;
    for (const QNetworkInterface& system : QNetworkInterface::allInterfaces()) {
        LocalInterface item;
        item.qstrName = system.humanReadableName();
        item.qstrHardwareAddress = system.hardwareAddress();
        const QNetworkInterface::InterfaceFlags flags = system.flags();
        item.bUp = flags.testFlag(QNetworkInterface::IsUp);
        item.bRunning = flags.testFlag(QNetworkInterface::IsRunning);
        item.bLoopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        item.entries = system.addressEntries();
        interfaces.append(item);
    }
    return interfaces;
}

int chooseLocalInterface(const QList<LocalInterface>& interfaces)
{
    for (int i = 0; i < interfaces.size(); ++i)
        if (qualifies(interfaces.at(i)))
            return i;
    return -1;
}

QStringList localIpv4List(const QList<QNetworkAddressEntry>& entries)
{
    QStringList list;
    for (const QNetworkAddressEntry& entry : entries)
        if (isOutsideIpv4(entry))
            list.append(entry.ip().toString());
    list.append(kLocalHost.toString());
    return list;
}
