#include "UiConfig.h"

#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QUrl>

UiConfig::UiConfig(QObject* parent)
    : QObject(parent), m_bIsUiReload(CppDataBase::GetInstance()->getArguments().contains(
                           QStringLiteral("--uireload"), Qt::CaseSensitive))
{
}

void UiConfig::setFileName(const QString& fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void UiConfig::setFilderName(const QString& filderName)
{
    if (filderName == m_filderName)
        return;
    m_filderName = filderName;
    emit filderNameChanged(m_filderName);
}

QString UiConfig::modulePath()
{
    if (m_qstrModulePath.isEmpty())
        m_qstrModulePath = QCoreApplication::applicationDirPath();
    return m_qstrModulePath;
}

void UiConfig::initConfig(int nValue)
{
    Q_UNUSED(nValue);
    m_qstrConfigPath = modulePath() + "/translation/" + m_fileName;
    m_qstrPngFilderName = modulePath() + "/image/" + m_filderName + "/";
    loadUiConfig();
    if (m_bIsUiReload)
        emit cplusSignalTimer(1);
    else if (m_bParseError)
        emit cplusSignalUiReload(QStringLiteral("all"), 1);
}

void UiConfig::loadUiConfig()
{
    QByteArray content;
    if (!WebRecv::readRegularFile(m_qstrConfigPath, content)) {
        qDebug() << "could't open projects json:" << m_qstrConfigPath;
        return;
    }

    // Polling must cost nothing while the file stays the same, so unchanged content is not
    // parsed again (besides its time, Qt 5.15's parser leaks a value a duplicate key replaces).
    if (m_bIsUiReload) {
        const QByteArray md5 = QCryptographicHash::hash(content, QCryptographicHash::Md5);
        if (md5 == m_byteLastMd5)
            return;
        m_byteLastMd5 = md5;
    }

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qDebug() << "json error!";
        return;
    }
    m_bParseError = true;
    reportDocument(document.object());
}

// Reports each value that differs from the document adopted before, all of them, then
// adopts the new document. A value the adopted document lacks reads as undefined, which
// no parsed value equals, so the first load reports every value.
void UiConfig::reportDocument(const QJsonObject& jsonDocument)
{
    for (auto group = jsonDocument.begin(); group != jsonDocument.end(); ++group) {
        if (!group.value().isObject())
            continue;
        const QJsonObject jsonGroup = group.value().toObject();
        const QJsonObject oldGroup = m_jsonInit.value(group.key()).toObject();
        for (auto member = jsonGroup.begin(); member != jsonGroup.end(); ++member) {
            if (!member.value().isObject() && oldGroup.value(member.key()) != member.value())
                UpdateData(group.key(), member.key(), member.value());
        }
    }
    m_jsonInit = jsonDocument;
}

bool UiConfig::namesPicture(const QString& qstrName)
{
    return qstrName == QLatin1String("source") || qstrName.contains(QLatin1String("img"));
}

QString UiConfig::pictureUrl(const QString& qstrName) const
{
    return QUrl::fromLocalFile(m_qstrPngFilderName + qstrName).toString();
}

void UiConfig::UpdateData(const QString& qstrGroup, const QString& qstrMember,
                          const QJsonValue& value)
{
    const QString qstrKey = qstrGroup + qstrMember;
    QVariant varValue = value.toVariant();
    if (qstrMember == QLatin1String("source") || qstrKey.contains(QLatin1String("img")))
        varValue = pictureUrl(varValue.toString());
    emit cplusSignalUpdateData(qstrKey, varValue, m_qstrPngFilderName);
}

QVariant UiConfig::getUiData(const QString& qstrUid, const QString& qstrKey)
{
    const QJsonValue value = m_jsonInit.value(qstrUid).toObject().value(qstrKey);
    if (value.isUndefined())
        return QVariant();
    const QVariant varValue = value.toVariant();
    return namesPicture(qstrKey) ? QVariant(pictureUrl(varValue.toString())) : varValue;
}
