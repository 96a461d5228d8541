#include "LocalOnlyNetwork.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace {

class LocalOnlyAccess : public QNetworkAccessManager
{
public:
    using QNetworkAccessManager::QNetworkAccessManager;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request,
                                 QIODevice* pOutgoing) override
    {
        if (LocalOnlyNetwork::isAllowed(request.url()))
            return QNetworkAccessManager::createRequest(op, request, pOutgoing);
        qDebug() << "QML network request refused:" << request.url().scheme();
        // A request without an address fails at once with an error reply.
        return QNetworkAccessManager::createRequest(op, QNetworkRequest(QUrl()), pOutgoing);
    }
};

} // namespace

QNetworkAccessManager* LocalOnlyNetwork::create(QObject* parent)
{
    return new LocalOnlyAccess(parent);
}

bool LocalOnlyNetwork::isAllowed(const QUrl& url)
{
    const QString qstrScheme = url.scheme();
    return qstrScheme == QLatin1String("qrc") || qstrScheme == QLatin1String("file");
}
