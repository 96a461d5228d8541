#pragma once

#include <QObject>
#include <QString>

// One language the user may choose, as QML shows it in the language box.
class LanguageObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qstrLanguageName READ getLanguageName WRITE setLanguageName NOTIFY
                   qstrLanguageNameChanged)
    Q_PROPERTY(QString qstrFileName READ getFileName WRITE setFileName NOTIFY qstrFileNameChanged)
    Q_PROPERTY(QString qstrFilePath READ getFilePath WRITE setFilePath NOTIFY qstrFilePathChanged)
    Q_PROPERTY(QString qstrLanguageCode READ getLanguageCode WRITE setLanguageCode NOTIFY
                   qstrLanguageCodeChanged)
public:
    explicit LanguageObject(QObject* parent = nullptr) : QObject(parent) {}

    QString getLanguageName() const { return m_qstrLanguageName; }
    void setLanguageName(const QString& qstrValue);
    QString getFileName() const { return m_qstrFileName; }
    void setFileName(const QString& qstrValue);
    QString getFilePath() const { return m_qstrFilePath; }
    void setFilePath(const QString& qstrValue);
    QString getLanguageCode() const { return m_qstrLanguageCode; }
    void setLanguageCode(const QString& qstrValue);

signals:
    void qstrLanguageNameChanged(QString qstrLanguageName);
    void qstrFileNameChanged(QString qstrFileName);
    void qstrFilePathChanged(QString qstrFilePath);
    void qstrLanguageCodeChanged(QString qstrLanguageCode);

private:
    QString m_qstrLanguageName; // shown to the user ("la")
    QString m_qstrFileName;     // base name of the .qm file and of the flag ("name")
    QString m_qstrFilePath;     // the flag's URL
    QString m_qstrLanguageCode; // "_en", "_zh_hk", ... ("code")
};
