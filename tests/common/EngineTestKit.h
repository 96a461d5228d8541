#pragma once

// Small helpers the client and engine tests share: ports, a message recorder, curl and
// counting the UI messages a spy heard.
#include <QCoreApplication>
#include <QMutex>
#include <QPair>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringList>
#include <QTcpServer>
#include <QTest>
#include <QTcpSocket>

#include <algorithm>
#include <cstdio>

// A port nothing listens on once this returns.
inline int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// nSize adjacent free ports (each bound once to check). Starts are drawn below the kernel's
// ephemeral range by default, where busy neighbouring tests do not crowd it.
inline int freeRange(int nSize, int nLow = 20000, int nHigh = 32000)
{
    for (int nAttempt = 0; nAttempt < 200; ++nAttempt) {
        const int nStart = QRandomGenerator::global()->bounded(nLow, nHigh);
        bool bFree = true;
        for (int nPort = nStart; nPort < nStart + nSize && bFree; ++nPort) {
            QTcpServer probe;
            bFree = probe.listen(QHostAddress::LocalHost, quint16(nPort));
        }
        if (bFree)
            return nStart;
    }
    return 0;
}

inline bool accepts(int nPort)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(nPort));
    return socket.waitForConnected(2000);
}

// curl's output and exit code; nothing here may hang.
inline QPair<QByteArray, int> curl(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("curl"),
                  QStringList{"-s", "--connect-timeout", "5", "-m", "20"} + args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {{}, -1};
    }
    return {process.readAllStandardOutput(), process.exitCode()};
}

// Everything the program logged while the test ran; the request pool logs from its threads,
// so readers take g_loggedMutex too. Install with qInstallMessageHandler(recordMessage).
inline QMutex g_loggedMutex;
inline QStringList g_logged;
inline QtMessageHandler g_previousHandler = nullptr;
inline void recordMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& qstrText)
{
    {
        QMutexLocker lock(&g_loggedMutex);
        g_logged.append(qstrText);
    }
    if (type != QtDebugMsg && g_previousHandler)
        g_previousHandler(type, context, qstrText);
}

// Occurrences, as one message may carry several lines of the engine's output.
inline int logCount(const QString& qstrPattern)
{
    const QRegularExpression pattern(qstrPattern);
    QMutexLocker lock(&g_loggedMutex);
    int nCount = 0;
    for (const QString& qstrMessage : qAsConst(g_logged))
        for (auto it = pattern.globalMatch(qstrMessage); it.hasNext(); it.next())
            ++nCount;
    return nCount;
}

// The recorded messages that contain the text.
inline QStringList loggedWith(const QString& qstrText)
{
    QMutexLocker lock(&g_loggedMutex);
    return g_logged.filter(qstrText);
}

inline void clearLogged()
{
    QMutexLocker lock(&g_loggedMutex);
    g_logged.clear();
}

// The recorder keeps the client's and the engine's debug lines out of the output; a failed
// run prints the last of them, so it says what happened.
inline void printLoggedTail(int nLines = 2000)
{
    QMutexLocker lock(&g_loggedMutex);
    std::fprintf(stderr, "--- last logged lines ---\n");
    for (int i = std::max(0, g_logged.size() - nLines); i < g_logged.size(); ++i)
        std::fprintf(stderr, "%s\n", qPrintable(g_logged.at(i)));
}

// QTEST_GUILESS_MAIN that prints the logged lines when a test failed.
#define QEL_ENGINE_TEST_MAIN(TestObject)                                                           \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        const int nFailed = QTest::qExec(&test, argc, argv);                                       \
        if (nFailed != 0)                                                                          \
            printLoggedTail();                                                                     \
        return nFailed;                                                                            \
    }

// The UI messages of the type (signal_SetUiData) whose text contains the part.
inline int uiCount(const QSignalSpy& ui, int nType, const QString& qstrPart = QString())
{
    return int(std::count_if(ui.begin(), ui.end(), [&](const QList<QVariant>& message) {
        return message[0].toInt() == nType && message[1].toString().contains(qstrPart);
    }));
}

// The first UI message of the type, or none.
inline QList<QVariant> firstUi(const QSignalSpy& ui, int nType)
{
    for (const QList<QVariant>& message : ui)
        if (message[0].toInt() == nType)
            return message;
    return {};
}

// The values of the UI messages of the type, in order.
inline QList<int> uiValues(const QSignalSpy& ui, int nType)
{
    QList<int> values;
    for (const QList<QVariant>& message : ui)
        if (message[0].toInt() == nType)
            values << message[2].toInt();
    return values;
}
