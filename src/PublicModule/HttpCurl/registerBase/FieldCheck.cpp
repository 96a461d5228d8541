#include "PublicModule/HttpCurl/registerBase/FieldCheck.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace
{
// A whole number written plainly (no sign, no leading zero) within [nLow, nHigh].
bool wholeInRange(const QString& qstrText, int nLow, int nHigh)
{
    static const QRegularExpression plain(QStringLiteral("^(0|[1-9][0-9]{0,5})$"));
    if (!plain.match(qstrText).hasMatch())
        return false;
    const int nValue = qstrText.toInt();
    return nValue >= nLow && nValue <= nHigh;
}
} // namespace

QString FieldCheck::checkCount(const QString& qstrText) const
{
    if (qstrText.isEmpty() || wholeInRange(qstrText, 1, 200))
        return {};
    return tr("Enter a whole number from 1 to 200");
}

QString FieldCheck::checkIpSegment(const QString& qstrText) const
{
    if (qstrText.isEmpty())
        return {};
    const QStringList parts = qstrText.split(QLatin1Char('.'));
    bool bGood = parts.size() <= 4;
    for (const QString& qstrPart : parts)
        bGood = bGood && wholeInRange(qstrPart, 0, 255);
    return bGood ? QString() : tr("Enter one to four numbers from 0 to 255, separated by dots");
}

QString FieldCheck::checkApiPort(const QString& qstrText, int nBeginPort, int nPortNumber) const
{
    if (!wholeInRange(qstrText, 1, 65535))
        return tr("Enter a port from 1 to 65535");
    const int nPort = qstrText.toInt();
    if (nPort >= nBeginPort && nPort < nBeginPort + nPortNumber)
        return tr("This port belongs to the proxy ports");
    return {};
}

QString FieldCheck::checkSwitchInterval(const QString& qstrText) const
{
    return wholeInRange(qstrText, 5, 720) ? QString() : tr("Enter whole minutes from 5 to 720");
}

QString FieldCheck::checkProgramFile(const QString& qstrPath) const
{
    const QFileInfo info(qstrPath);
    if (qstrPath.isEmpty() || !info.exists())
        return tr("The file does not exist");
    if (!info.isFile())
        return tr("Choose a file, not a folder");
    if (!info.isExecutable())
        return tr("The file is not a program that can run");
    return {};
}
