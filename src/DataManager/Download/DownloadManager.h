#pragma once

#include "DataManager/Search/SearchData.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <json/json.h>

class QJSEngine;
class QQmlEngine;

enum DownloadEnum
{
    Download_Base = 0,
    Download_Pictrue = 1,
    Download_File = 2
};
using DownloadType = int;

// A file the program caches under temp: its web address and where it is kept.
class DownloadBase : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(int, enumDownloadType, getDownloadType, setDownloadType)
    NOTIFY_PROPERTY(QString, qstrKey, getKey, setKey)
    NOTIFY_PROPERTY(QString, qstrName, getName, setName)
    NOTIFY_PROPERTY(QString, qstrHttpUrl, getHttpUrl, setHttpUrl)
    NOTIFY_PROPERTY(QString, qstrLocalUrl, getLocalUrl, setLocalUrl)
    NOTIFY_PROPERTY(QString, qstrLocalPath, getLocalPath, setLocalPath)
    NOTIFY_PROPERTY(int, nDownloadStatus, getDownloadStatus, setDownloadStatus)

public:
    using QObject::QObject;
};

// A promotional picture with its "_zh_hk" variant and the addresses a click opens.
class DownloadPictrue : public DownloadBase
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrHkName, getHkName, setHkName)
    NOTIFY_PROPERTY(QString, qstrHkHttpUrl, getHkHttpUrl, setHkHttpUrl)
    NOTIFY_PROPERTY(QString, qstrHkLocalUrl, getHkLocalUrl, setHkLocalUrl)
    NOTIFY_PROPERTY(QString, qstrHkLocalPath, getHkLocalPath, setHkLocalPath)
    NOTIFY_PROPERTY(QString, qstrJumpUrl, getJumpUrl, setJumpUrl)
    NOTIFY_PROPERTY(QString, qstrJumpHkUrl, getJumpHkUrl, setJumpHkUrl)

public:
    explicit DownloadPictrue(QObject* parent = nullptr);
};

// The promotional pictures by key ("middle_img"), cached in temp/activity. Lives on the GUI
// thread; the QML engine owns it, and it owns its pictures.
class DownloadManager : public QObject
{
    Q_OBJECT
public:
    static DownloadManager* GetInstance();
    ~DownloadManager() override;

    // The URL settings answer's "ret_data": fills the "middle_img" picture and fetches its
    // missing files.
    void addMiddleImgByJson(const Json::Value& retData, int nValue = 0);
    bool isExsit(const QString& qstrKey, int nType, int nValue = 0) const;
    DownloadPictrue* getDataByKey(const QString& qstrKey, int nType, int nValue = 0) const;
    Q_INVOKABLE QObject* getQmlObjByKey(QString qstrKey, int nType, int nValue = 0);
    // 0 local address, 1 web address, 2 and 3 the same of the "_zh_hk" variant.
    Q_INVOKABLE QString getMiddleParam(int nValue = 0);
    Q_INVOKABLE void downloadPictrueByKey(QString qstrKey, int nValue = 0);

private:
    DownloadManager();

    QHash<QString, DownloadPictrue*> m_hashPictrue;
};

// The QML singleton provider of "Download.Param".
QObject* virtualDownloadManager(QQmlEngine* engine, QJSEngine* scriptEngine);
