#include "TrayIconUrl.h"

QString trayIconPath(const QUrl& url)
{
    QString qstrPath = url.toLocalFile();
    if (qstrPath.isEmpty())
        qstrPath = url.toString();
    if (qstrPath.startsWith(QLatin1String("qrc")))
        qstrPath.remove(0, 3);
    return qstrPath;
}

QIcon trayIconFromUrl(const QUrl& url)
{
    return QIcon(trayIconPath(url));
}
