#pragma once

#include <QObject>
#include <QString>

class QSettings;

// The install record and the autostart entry, kept in the platform's native settings
// store. On Linux that store is an INI file named by the (Windows-style) store name,
// relative to the working directory.
class CRegedit : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qstrInstallPath READ getInstallPath WRITE setInstallPath NOTIFY
                   qstrInstallPathChanged)
    Q_PROPERTY(int nInstallTime READ getInstallTime WRITE setInstallTime NOTIFY nInstallTimeChanged)
public:
    static const QString kAutoStartStore;

    explicit CRegedit(QObject* parent = nullptr);

    QString getInstallPath() const { return m_qstrInstallPath; }
    void setInstallPath(const QString& qstrInstallPath);
    int getInstallTime() const { return m_nInstallTime; }
    void setInstallTime(int nInstallTime);

    Q_INVOKABLE void reg_GetInstall();
    Q_INVOKABLE void reg_SetInstall();
    Q_INVOKABLE void Reg_DelInstall();
    Q_INVOKABLE void Reg_StartAuto(const QString& qstrAppPath);
    Q_INVOKABLE quint64 Install_GetTime();

    // The install record's store name, after the product name of the client state.
    static QString installStoreName();

signals:
    void qstrInstallPathChanged(QString qstrInstallPath);
    void nInstallTimeChanged(int nInstallTime);

private:
    QString m_qstrInstallPath;
    qint32 m_nInstallTime = 0;
};
