#pragma once

#include <QQmlNetworkAccessManagerFactory>

class QUrl;

// The QML engine's network access: only qrc: and file: addresses load. Text from the
// service may carry markup naming any address, loopback included; pictures and answers come
// through libcurl with its limits, never through the QML engine.
class LocalOnlyNetwork : public QQmlNetworkAccessManagerFactory
{
public:
    QNetworkAccessManager* create(QObject* parent) override;
    static bool isAllowed(const QUrl& url);
};
