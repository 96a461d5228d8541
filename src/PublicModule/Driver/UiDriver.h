#pragma once

#include <QHash>
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
//   press NAME [right]          left (or right) click in the middle of the item
//   key NAME KEY                focus the item and type one key ("Return", "Tab", "a")
//   set NAME PROPERTY VALUE...  write a property (VALUE is the rest of the line)
//   call NAME METHOD [ARG...]   call a method with text arguments (numbers as numbers)
//   wait NAME PROPERTY VALUE... wait until the property reads VALUE (bounded)
//   eval NAME EXPRESSION...     print the value of a JavaScript expression evaluated with
//                               the item as its scope, in the item's QML context
//   until NAME EXPRESSION...    wait until such an expression is true (bounded)
//   gate FILE                   wait until FILE exists (bounded): lets a script outside
//                               check something before the steps go on
//   grab NAME FILE              save the window that holds the item (grabWindow)
//   sleep MS                    let the client run
//   frametime [NAME PROPERTY VALUE...]
//                               print when the first window first showed a frame (ms
//                               since the epoch), once it has; with a condition, the first
//                               frame prepared once the property read VALUE (watched from
//                               the start, so it times what launch takes to show it)
//   quit                        end the client
// NAME is an objectName anywhere in the loaded screens, popups included, or a path A/B
// (B searched within A), for names that several pages share; "LIST@N" is the delegate of
// row N of the list view named LIST. Lines that are empty or start with "#" are skipped.
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
    // visual children and content items; "A/B" is the first B within the first A, "V@N" the
    // delegate of row N of the view V.
    QObject* find(const QString& qstrName) const;

private:
    void next();
    void report(bool bOk, const QString& qstrText);
    // Runs the current step; false while a wait is still pending.
    bool run(const QStringList& words, QString& qstrReason, QString& qstrDetail);
    bool press(QQuickItem* pItem, Qt::MouseButton button);
    bool typeKey(QQuickItem* pItem, const QString& qstrKey);
    void watchFrames();

    QQmlApplicationEngine& m_engine;
    std::function<void(const QString&)> m_report;
    QStringList m_steps;
    int m_nStep = -1;
    int m_nWaitedMs = 0;
    QString m_qstrPending; // why the current wait is not met yet, when it says
    // The frames the frametime steps ask for, by the step's words after "frametime": due
    // once the condition reads true as a frame is prepared, stamped when that frame shows.
    struct FrameMark
    {
        QStringList words; // the whole step
        bool bDue = false;
        qint64 nShownMs = 0;
    };
    QHash<QString, FrameMark> m_frameMarks;
    QTimer m_timer;
};
