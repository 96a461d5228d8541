#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariant>

// Interface values read from a JSON file beside the program, in named groups, offered
// to QML by group and key. Outside reload mode every value is reported once per load;
// with "--uireload" the file is polled (by QML) and each value that changed is reported.
class UiConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(QString filderName READ filderName WRITE setFilderName NOTIFY filderNameChanged)
public:
    explicit UiConfig(QObject* parent = nullptr);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);
    QString filderName() const { return m_filderName; }
    void setFilderName(const QString& filderName);
    bool isUiReload() const { return m_bIsUiReload; }

    Q_INVOKABLE void initConfig(int nValue = 0);
    Q_INVOKABLE void loadUiConfig();
    Q_INVOKABLE QVariant getUiData(const QString& qstrUid, const QString& qstrKey);
    // The URL of a picture file in the picture folder.
    Q_INVOKABLE QString pictureUrl(const QString& qstrName) const;

signals:
    void fileNameChanged(QString fileName);
    void filderNameChanged(QString filderName);
    void cplusSignalUiReload(QString qstrValue, int nValue);
    void cplusSignalTimer(int nValue);
    void cplusSignalUpdateData(QString qstrKey, QVariant varValue, QString qstrAppPath);

private:
    static bool namesPicture(const QString& qstrName);
    QString modulePath();
    void reportDocument(const QJsonObject& jsonDocument);
    void UpdateData(const QString& qstrGroup, const QString& qstrMember, const QJsonValue& value);

    QString m_fileName;
    QString m_filderName;
    QString m_qstrConfigPath;
    QString m_qstrPngFilderName;
    QString m_qstrModulePath;
    bool m_bIsUiReload = false;
    bool m_bParseError = false;
    QJsonObject m_jsonInit;
    QByteArray m_byteLastMd5;
};
