#include "QtSingleApplication.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDebug>
#include <QMessageBox>
#include <QScreen>

namespace {
constexpr int kDeleteWindowTimeoutMs = 1000;
constexpr int kIpCheckNotice = 3;

// The leading decimal number of a text, as strtol reads it; 0 when there is none.
int leadingNumber(const std::string& text)
{
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// The platforms that draw nowhere a person looks.
bool hasScreen()
{
    const QString qstrPlatform = QGuiApplication::platformName();
    return qstrPlatform != QLatin1String("offscreen") && qstrPlatform != QLatin1String("minimal") &&
           QGuiApplication::primaryScreen();
}

void showWhyNoChannel(const QString& qstrWhy)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), qstrWhy,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // a folder's name is shown as it is
    box.exec();
}
} // namespace

QtSingleApplication::QtSingleApplication(const QString& appId, int& argc, char** argv)
    : QApplication(argc, argv)
{
    peer = new QtLocalPeer(this, appId);
    connect(peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::messageReceived);
    if (!peer->hasFolder() && hasScreen())
        showWhyNoChannel(peer->getWhyNoFolder());
}

bool QtSingleApplication::hasChannel() const
{
    return peer->hasFolder();
}

bool QtSingleApplication::isRunning()
{
    return peer->isClient();
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    return peer->sendMessage(message, timeout);
}

QString QtSingleApplication::controlMessage(int nType, const char* szOperate,
                                            const Json::Value& jsSocket)
{
    Json::Value msg;
    msg["type"] = nType;
    msg["operate"] = szOperate;
    msg["socket"] = jsSocket;
    return QString::fromStdString(toNormalString(msg));
}

int QtSingleApplication::execStart()
{
    exec();
    if (isRunning())
        sendMessage(controlMessage(10, "delete_window_noop"), kDeleteWindowTimeoutMs);
    return 0;
}

void QtSingleApplication::externMessageReceived(const QString& qstrValue)
{
    qDebug() << "externMessageReceived:" << qstrValue;
    Json::Value root;
    if (!JsonRead::parse(qstrValue.toStdString(), root))
        return;
    const int nType = JsonRead::getInt(root, "type");
    const std::string strOperate = JsonRead::getString(root, "operate");
    const std::string strSocket = JsonRead::getText(root, "socket");

    if (strOperate == "raise_window_noop") {
        if (g_pWebRecv)
            g_pWebRecv->ResetAppStateBase(1);
    } else if (strOperate == "build_window_noop") {
        onBuildWindow(strSocket);
    } else if (strOperate == "delete_window_noop") {
        onDeleteWindow();
    } else if (strOperate == "notice_window_noop") {
        // The IP check's answer from `update` is the one notice a peer may hand the screens.
        if (nType != kIpCheckNotice) {
            qDebug() << "notice of type" << nType << "dropped";
            return;
        }
        const QString qstrText = QString::fromStdString(JsonRead::getString(root, "objvalue"));
        if (g_pWebRecv)
            g_pWebRecv->setAppSendValue(nType, qstrText, 0);
    }
}

void QtSingleApplication::onBuildWindow(const std::string& strSocket)
{
    if (g_pWebRecv)
        g_pWebRecv->SetIsExist(true);
    ++m_nStartTimes;
    CppDataBase* pData = CppDataBase::GetInstance();
    pData->setStartTimes(m_nStartTimes);
    qDebug() << "m_nStartTimes:" << m_nStartTimes;

    Json::Value reply;
    reply["type"] = 2;
    reply["operate"] = "recive_back";
    reply["start_times"] = m_nStartTimes;
    pData->conUdpServer(leadingNumber(strSocket));
    pData->sendUdpServer(QString::fromStdString(toNormalString(reply)));
}

void QtSingleApplication::onDeleteWindow()
{
    if (m_nStartTimes > 0)
        --m_nStartTimes;
    CppDataBase::GetInstance()->setStartTimes(m_nStartTimes);
    qDebug() << "m_nStartTimes:" << m_nStartTimes;
}
