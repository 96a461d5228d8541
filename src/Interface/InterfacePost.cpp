#include "Interface/InterfacePost.h"

#include "Interface/GlobleParam.h"

#include <QDebug>

void InterfacePost::downloadUpdateExe(int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const QString qstrUrl = pParam ? pParam->getUpdateExeUrl() : QString();
    if (qstrUrl.isEmpty()) {
        qDebug() << "download update exe: no package address";
        return;
    }
    startUpdateDownload(QstrToStr(qstrUrl));
}

void InterfacePost::cancelDownloadUpdateExe(int)
{
    SetCancelUpdate(true);
}
