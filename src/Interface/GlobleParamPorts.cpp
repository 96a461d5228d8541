#include "Interface/GlobleParam.h"

#include <QDebug>

namespace {

constexpr int kLastPort = 65535;
constexpr int kMaxPortCount = 200;

// A whole decimal number, or -1 (refused) for anything else.
int portField(const QString& qstrText)
{
    bool bOk = false;
    const int nValue = qstrText.trimmed().toInt(&bOk);
    return bOk ? nValue : -1;
}

bool isBeginPortValid(int nBegin)
{
    return nBegin > 0 && nBegin < kLastPort;
}

bool isPortCountValid(int nBegin, int nCount)
{
    return nCount > 0 && nCount <= kMaxPortCount && nCount + nBegin <= kLastPort;
}

} // namespace

void GlobleParam::restoreRefusedPorts(int nBegin, int nCount)
{
    if (!isBeginPortValid(getBeginPort()))
        setBeginPort(nBegin);
    if (!isPortCountValid(getBeginPort(), getPortNumber()))
        setPortNumber(nCount);
    // The earlier count may not fit after the begin port loaded either.
    if (!isPortCountValid(getBeginPort(), getPortNumber()))
        setBeginPort(nBegin);
}

QVariantMap GlobleParam::applyPortRange(const QString& qstrBegin, const QString& qstrCount)
{
    bool bChanged = false;
    QStringList refused;
    const int nBegin = portField(qstrBegin);
    if (isBeginPortValid(nBegin)) {
        bChanged = nBegin != getBeginPort();
        setBeginPort(nBegin);
        qDebug() << "portBegin:" << nBegin;
    } else {
        refused << QStringLiteral("begin");
    }
    const int nCount = portField(qstrCount);
    if (isPortCountValid(getBeginPort(), nCount)) {
        bChanged = bChanged || nCount != getPortNumber();
        setPortNumber(nCount);
        qDebug() << "portNum:" << nCount;
    } else {
        refused << QStringLiteral("count");
    }
    return {{QStringLiteral("changed"), bChanged}, {QStringLiteral("refused"), refused}};
}
