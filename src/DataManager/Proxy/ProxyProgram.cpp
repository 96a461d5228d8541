// The per-application proxy: the program list, connecting programs to an exit, and
// starting a program through the port its exit is bound to.
#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "Interface/ProgramProcess.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDebug>
#include <QPixmap>
#include <QQmlEngine>

namespace {

// Tags a program binding carries: the row menu's and the timer's.
constexpr int kTagRowMenu = 100;
constexpr int kTagTimer = 200;
const char* const kFallbackLogo = "qrc:/image/exe_logo.png";

} // namespace

void ProxyManager::initProgram()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    const Json::Value programs = pParam->getProgramList();
    if (!programs.isArray() || programs.empty())
        return;
    for (const Json::Value& entry : programs) {
        if (!entry.isObject())
            continue;
        addProgram(StrToQstr(JsonRead::getString(entry, "path")),
                   StrToQstr(JsonRead::getString(entry, "name")), 0);
    }
    sendUi(kUiRefreshProgram, QStringLiteral("refresh program"), 1);
}

void ProxyManager::addProgram(QString qstrPath, QString qstrName, int nValue)
{
    if (getProgramByPath(qstrPath))
        return;
    auto* pProgram = new Program;
    QQmlEngine::setObjectOwnership(pProgram, QQmlEngine::CppOwnership);
    pProgram->setProgramName(qstrName);
    pProgram->setFullPath(qstrPath);
    buildProgramLogoPath(pProgram);
    buildProgramLocalPath(pProgram);
    m_listProgram.append(pProgram);
    saveProgramList();
    if (nValue == 0)
        sendUi(kUiRefreshProgram, QStringLiteral("refresh program"), 0);
}

void ProxyManager::deleteProgram(QString qstrPath, int)
{
    for (auto it = m_listProgram.begin(); it != m_listProgram.end();) {
        if ((*it)->getFullPath() != qstrPath) {
            ++it;
            continue;
        }
        if (ProxyListModel* pModel = m_models[Proxy_Program])
            pModel->removeRowObject(*it);
        delete *it;
        it = m_listProgram.erase(it);
    }
    saveProgramList();
    sendUi(kUiRefreshProgram, QStringLiteral("refresh program"), 0);
}

QString ProxyManager::programPathOf(const QUrl& url) const
{
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

Program* ProxyManager::getProgramByPath(const QString& qstrPath, int) const
{
    for (Program* pProgram : m_listProgram) {
        if (pProgram->getFullPath() == qstrPath)
            return pProgram;
    }
    return nullptr;
}

Json::Value ProxyManager::getProgramList() const
{
    Json::Value programs(Json::arrayValue);
    for (const Program* pProgram : m_listProgram) {
        Json::Value entry(Json::objectValue);
        entry["name"] = QstrToStr(pProgram->getProgramName());
        entry["path"] = QstrToStr(pProgram->getFullPath());
        programs.append(entry);
    }
    return programs;
}

// The settings hold the list as it is now, so the file written at exit has it even when
// the program pages were never opened (the list then was never read, and stays as saved).
void ProxyManager::saveProgramList()
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setProgramList(getProgramList());
}

QString ProxyManager::getTargetName() const
{
    QStringList names;
    for (const Program* pProgram : m_listProgram)
        names << pProgram->getProgramName() + QStringLiteral("|null");
    return names.join(QLatin1Char('|'));
}

// The program page's closing "add" cell: one object for every view.
Program* ProxyManager::createProgramDefault()
{
    if (!m_pProgramAddCell) {
        m_pProgramAddCell = new Program;
        m_pProgramAddCell->setShowType(1);
        QQmlEngine::setObjectOwnership(m_pProgramAddCell, QQmlEngine::CppOwnership);
    }
    return m_pProgramAddCell;
}

void ProxyManager::buildProgramLocalPath(Program* pProgram)
{
    const QString qstrPath = pProgram->getFullPath();
    const int nSlash = qstrPath.lastIndexOf(QLatin1Char('/'));
    pProgram->setLocalPath(nSlash < 0 ? qstrPath : qstrPath.left(nSlash));
}

void ProxyManager::buildProgramLogoPath(Program* pProgram)
{
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    const QPixmap icon = pRecv ? pRecv->extractIconByPath(pProgram->getFullPath(), 0) : QPixmap();
    if (icon.isNull()) {
        pProgram->setExtract(false);
        return;
    }
    pProgram->setExtract(true);
    const QString qstrFolder = StrToQstr(pRecv->GetCurrentExe()) + QStringLiteral("/temp/program/");
    const QString qstrDigest =
        StrToQstr(WebRecv::encode_to_md5(QstrToStr(pProgram->getFullPath())));
    if (qstrDigest.isEmpty()) {
        pProgram->setLogoPath(QLatin1String(kFallbackLogo));
        return;
    }
    const QString qstrFile = qstrFolder + qstrDigest + QStringLiteral(".png");
    if (!WebRecv::keepCachedFile(qstrFile) && !WebRecv::savePicture(icon, qstrFile, "PNG")) {
        pProgram->setLogoPath(QLatin1String(kFallbackLogo));
        return;
    }
    pProgram->setLogoPath(QStringLiteral("file:///") + qstrFile);
}

void ProxyManager::startProgramByThis(QObject* pThis, int)
{
    qDebug() << "startProgramByThis:"
             << "pThis:" << pThis;
    const auto* pProgram = qobject_cast<Program*>(pThis);
    if (!pProgram)
        return;
    if (m_qstrProgramPort.isEmpty()) {
        qDebug() << "program" << pProgram->getFullPath() << "not started: no program port";
        sendUi(kUiTip, tr("Connect the program to a proxy first"), 0);
        return;
    }
    if (!ProgramProcess::isRunnable(pProgram->getFullPath())) {
        qDebug() << "program" << pProgram->getFullPath() << "not started: not runnable";
        sendUi(kUiTip, tr("This file cannot be run"), 0);
        return;
    }
    if (!programProcess()->start(pProgram->getFullPath(), pProgram->getLocalPath(),
                                 m_qstrProgramPort))
        sendUi(kUiTip, tr("This file cannot be run"), 0);
}

void ProxyManager::programConnect(QString qstrKey, int enumType, int nValue)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    if (pParam->getOtherProxy()) {
        qDebug() << "other proxy enable is opened";
        return;
    }
    if (!pParam->getSocks5Globle() && getTargetName().isEmpty()) {
        sendUi(kUiTip, tr("The program list is empty,please add the program first!"), 0);
        return;
    }
    if (nValue == 0)
        pParam->setSocks5Param14(pParam->getSocks5Globle() ? QStringLiteral("true")
                                                           : QStringLiteral("false"));
    QString qstrCountry;
    QString qstrPort;
    bool bBound = false;
    if (const auto* pToday = static_cast<TodayList*>(getListDataByKey(qstrKey, Proxy_Today))) {
        qstrCountry = pToday->getqjsonLine().value(QLatin1String("country")).toString();
        qstrPort = pToday->getPort();
        bBound = !qstrPort.isEmpty();
    } else if (const ProxyDataBase* pRow = getListDataByKey(qstrKey, enumType)) {
        qstrCountry = pRow->getqjsonLine().value(QLatin1String("country")).toString();
    }
    if (!bBound) {
        qstrPort = getRandomEnablePort();
        if (qstrPort.isEmpty()) {
            qDebug() << "program connect of" << qstrKey << "refused: no free local port";
            sendUi(kUiTip, tr("No free local port"), 0);
            return;
        }
    }
    pParam->setLineTimeZoneCode(qstrCountry);
    if (bBound) {
        useProgramPort(qstrPort);
        sendUi(kUiProgramBound, qstrPort, kTagTimer);
    } else {
        bindPortBySession(qstrKey, qstrPort, enumType, nValue, 0);
    }
}

void ProxyManager::autoProgramConnect(int)
{
    const RowTable& lines = table(Proxy_ProgramLine);
    if (lines.isEmpty()) {
        sendUi(kUiProgramLines, QStringLiteral("getlist"), 1);
        return;
    }
    programConnect(lines.begin().key(), Proxy_ProgramLine, kTagTimer);
}

void ProxyManager::clearProgramHistoryData(int)
{
    QList<Json::Value> rows;
    for (const ProxyDataBase* pRow : table(Proxy_ProgramHistory)) {
        Json::Value object(Json::objectValue);
        object["session"] = QstrToStr(pRow->getSession());
        object["line"] = QstrToStr(pRow->getLine());
        rows.append(object);
    }
    clearDataByType(Proxy_ProgramHistory);
    submitRows(MySqllite::GetInstance()->getProgramHistoryTableName(), rows, SQL_DELETE, 1);
}

void ProxyManager::noteProgramBinding(const QString& qstrPort, int nTag)
{
    if (nTag == kTagRowMenu || nTag == kTagTimer)
        useProgramPort(qstrPort);
}

void ProxyManager::useProgramPort(const QString& qstrPort)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    // Programs started on the old exit go on through their port unless asked to restart.
    if (pParam && pParam->getProgramRestart())
        programProcess()->terminateAll();
    m_qstrProgramPort = qstrPort;
    addProgramHistoryByToday(qstrPort);
}

void ProxyManager::forgetProgramPort(const QString& qstrPort)
{
    if (!qstrPort.isEmpty() && qstrPort == m_qstrProgramPort)
        m_qstrProgramPort.clear();
}

ProgramProcess* ProxyManager::programProcess()
{
    // A child object: its end, after ours, asks the programs still running to end.
    if (!m_pProgramProcess)
        m_pProgramProcess = new ProgramProcess(this);
    return m_pProgramProcess;
}
