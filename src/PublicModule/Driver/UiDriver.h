#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QQmlApplicationEngine;
class QQuickItem;

// Drives the running client from a file of steps, for screenshots and journeys. Active only
// in test runs ("--x") with QEL_UI_DRIVER naming the steps file; it works in-process on the
// loaded screens and opens no socket. One step a line, run in order; each prints one
// "ok: <step>" or "FAIL: <step> (<reason>)" line on standard output:
//   press NAME                  left click in the middle of the item
//   key NAME KEY                focus the item and type one key ("Return", "Tab", "a")
//   set NAME PROPERTY VALUE...  write a property (VALUE is the rest of the line)
//   call NAME METHOD [ARG...]   call a method with text arguments (numbers as numbers)
//   wait NAME PROPERTY VALUE... wait until the property reads VALUE (bounded)
//   grab NAME FILE              save the window that holds the item (grabWindow)
//   sleep MS                    let the client run
//   frametime                   print when the first window first showed a frame (ms
//                               since the epoch), once it has
//   quit                        end the client
// NAME is an objectName anywhere in the loaded screens, popups included. Lines that are
// empty or start with "#" are skipped.
class UiDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kStepsVariable = "QEL_UI_DRIVER";

    // Starts the driver when the run asks for it; otherwise does nothing.
    static void startIfAsked(QQmlApplicationEngine& engine, const QStringList& arguments);

    // Each result line goes to report; by default standard output.
    UiDriver(QQmlApplicationEngine& engine, QStringList steps,
             std::function<void(const QString&)> report = {});

    // The first object named qstrName under the engine's roots, searching QObject children,
    // visual children and content items.
    QObject* find(const QString& qstrName) const;

private:
    void next();
    void report(bool bOk, const QString& qstrText);
    // Runs the current step; false while a wait is still pending.
    bool run(const QStringList& words, QString& qstrReason, QString& qstrDetail);
    bool press(QQuickItem* pItem);
    bool typeKey(QQuickItem* pItem, const QString& qstrKey);

    QQmlApplicationEngine& m_engine;
    std::function<void(const QString&)> m_report;
    QStringList m_steps;
    int m_nStep = -1;
    int m_nWaitedMs = 0;
    qint64 m_nFirstFrameMs = 0;
    QTimer m_timer;
};
