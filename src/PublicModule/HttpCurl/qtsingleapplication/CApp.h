#pragma once

#include "PublicModule/HttpCurl/registerBase/RegisterBase.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QtSingleApplication;

// Process-wide values of the shell, read by the message handler.
extern bool bIsDebugging;
extern QtMessageHandler globleMsgHandler;

// True when diagnostics reach an output ("--debugging" or "--print"). Text built only to be
// logged is not worth building otherwise: a normal run throws every message away.
bool diagnosticsPrinted();

// The run of a program: single-instance test, message handler, registrations, the root
// QML file and the event loop.
class CApp : public CRegisterBase
{
public:
    virtual int StartApp(int argc, char** argv, QString qstrAppFlag, QString qstrStartQml,
                         int nValue);
    virtual void InitApp();
    // After the event loop has ended and running work has been drained, while the objects
    // QML made still exist.
    virtual void ExitApp();

    int AppRun(QtSingleApplication& appRun, QString qstrStartQml);
    // Every text of the screens is in Open Sans: matched once for the whole application.
    static void UseScreenFont();
    // Blocks of a megabyte or more (a catalogue's texts, its lists) are mapped on their own
    // and go back to the system when freed. By default the C library raises that threshold
    // after the first large block is freed, and from then on keeps in its heaps what later
    // large blocks leave.
    static void KeepLargeBlocksMapped();
    void SetRunCmd(int argc, char** argv);
    void InstallMsgHandler();
    void InitRunCmd();
    // With "--print", standard output becomes the file "CONOUT$" in the working directory.
    void OpenPrintLog();

    bool GetIsPrintLog() const { return m_bIsPrintLog; }
    bool GetIsDebugging() const { return m_bIsDebugging; }
    bool GetCheckEnable() const { return m_bCheckEnable; }

    static void RedirectMsgOutput(QtMsgType typeMsg, const QMessageLogContext& contextLog,
                                  const QString& qstrMsgPut);
    // One message as the level tag, the time stamp and its context; written to standard
    // output only with "--print".
    static QString FormatLogRecord(QtMsgType typeMsg, const QMessageLogContext& contextLog,
                                   const QString& qstrMsgPut);

    // How long, at exit, running work of the worker pools may take to finish.
    static constexpr int kPoolDrainMs = 3000;

protected:
    QList<QByteArray> m_listCmd;
    bool m_bIsPrintLog = false;
    bool m_bIsDebugging = false;
    bool m_bCheckEnable = false;
};
