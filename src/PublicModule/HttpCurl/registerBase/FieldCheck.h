#pragma once

#include <QObject>
#include <QString>

// The checks of the typed fields of the screens, one per kind of field. Each returns ""
// when the text is taken, else the reason to show beside the field; the page then keeps
// its last good value and sends nothing.
class FieldCheck : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Number of proxies to extract: 1-200 without a leading zero; "" reads as 1.
    Q_INVOKABLE QString checkCount(const QString& qstrText) const;
    // IP segment: one to four dot-separated numbers 0-255; "" means no segment.
    Q_INVOKABLE QString checkIpSegment(const QString& qstrText) const;
    // Engine API port: 1-65535 without a leading zero, outside the proxy port range.
    Q_INVOKABLE QString checkApiPort(const QString& qstrText, int nBeginPort,
                                     int nPortNumber) const;
    // Switch interval of the automatic proxy: whole minutes 5-720 without a leading zero.
    Q_INVOKABLE QString checkSwitchInterval(const QString& qstrText) const;
    // A program to proxy: an existing regular file that may be run.
    Q_INVOKABLE QString checkProgramFile(const QString& qstrPath) const;
};
