#pragma once

#include <QList>
#include <QNetworkAddressEntry>
#include <QString>
#include <QStringList>

// One network interface as the address choice sees it; tests build these by hand.
struct LocalInterface
{
    QString qstrName; // human-readable name
    QString qstrHardwareAddress;
    bool bUp = false;
    bool bRunning = false;
    bool bLoopback = false;
    QList<QNetworkAddressEntry> entries;
};

// The machine's interfaces in the platform's order.
QList<LocalInterface> systemInterfaces();

// Index of the interface whose MAC the engine is given: the first one that is up, running,
// not loopback, not named after a virtual machine or loopback adapter, and has an IPv4
// address other than 127.0.0.1; -1 when none qualifies.
int chooseLocalInterface(const QList<LocalInterface>& interfaces);

// The IPv4 addresses of the entries in order, without 127.0.0.1, then "127.0.0.1".
QStringList localIpv4List(const QList<QNetworkAddressEntry>& entries);
