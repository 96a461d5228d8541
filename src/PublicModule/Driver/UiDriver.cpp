#include "PublicModule/Driver/UiDriver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMetaMethod>
#include <QJSValue>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QVariant>

#include <cstdio>

// Qt's own entry for a key from the window system (what QtTest uses for a window): the key
// passes the shortcut map, where popups close on Escape, before it reaches the window.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type t, int k,
                                    Qt::KeyboardModifiers mods, const QString& text = QString(),
                                    bool autorep = false, ushort count = 1);

namespace {

constexpr int kPollMs = 50;
constexpr int kWaitLimitMs = 15000;

// Only regular files are read as steps.
QStringList readSteps(const QString& qstrPath)
{
    QFile file(qstrPath);
    if (!QFileInfo(qstrPath).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList steps;
    for (const QString& qstrLine : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString qstrStep = qstrLine.trimmed();
        if (!qstrStep.isEmpty() && !qstrStep.startsWith(QLatin1Char('#')))
            steps << qstrStep;
    }
    return steps;
}

QObject* findIn(QObject* pObject, const QString& qstrName, QSet<QObject*>& visited)
{
    if (!pObject || visited.contains(pObject))
        return nullptr;
    visited.insert(pObject);
    if (pObject->objectName() == qstrName)
        return pObject;
    QList<QObject*> next = pObject->children();
    if (auto* pItem = qobject_cast<QQuickItem*>(pObject))
        for (QQuickItem* pChild : pItem->childItems())
            next << pChild;
    if (auto* pWindow = qobject_cast<QQuickWindow*>(pObject))
        next << pWindow->contentItem();
    // Popups keep their content outside the QObject tree.
    const QVariant content = pObject->property("contentItem");
    if (content.canConvert<QQuickItem*>())
        next << content.value<QQuickItem*>();
    for (QObject* pChild : next)
        if (QObject* pFound = findIn(pChild, qstrName, visited))
            return pFound;
    return nullptr;
}

// Text arguments as QML would take them: whole numbers as numbers.
QVariant argumentOf(const QString& qstrWord)
{
    bool bNumber = false;
    const int nValue = qstrWord.toInt(&bNumber);
    return bNumber ? QVariant(nValue) : QVariant(qstrWord);
}

// Calls the method or emits the signal named qstrName that takes as many arguments as
// given, each converted to its parameter's type (a QML function's QVariant gets a number for
// a whole number, else the text).
bool invoke(QObject* pObject, const QByteArray& name, const QStringList& words)
{
    constexpr int kMaxArgs = 10;
    if (words.size() > kMaxArgs)
        return false;
    const QMetaObject* pMeta = pObject->metaObject();
    for (int nMethod = pMeta->methodCount() - 1; nMethod >= 0; --nMethod) {
        const QMetaMethod method = pMeta->method(nMethod);
        if (method.name() != name || method.parameterCount() != words.size())
            continue;
        QVariant values[kMaxArgs];
        QGenericArgument args[kMaxArgs];
        for (int i = 0; i < words.size(); ++i) {
            const int nType = method.parameterType(i);
            if (nType == QMetaType::QVariant) {
                values[i] = argumentOf(words.at(i));
                args[i] = QGenericArgument("QVariant", &values[i]);
                continue;
            }
            values[i] = words.at(i);
            if (!values[i].convert(nType))
                return false;
            args[i] = QGenericArgument(QMetaType::typeName(nType), values[i].constData());
        }
        return method.invoke(pObject, Qt::DirectConnection, args[0], args[1], args[2], args[3],
                             args[4], args[5], args[6], args[7], args[8], args[9]);
    }
    return false;
}

// The window that shows an object: itself, an item's window, or a popup's content's window.
QQuickWindow* windowOf(QObject* pObject)
{
    if (auto* pWindow = qobject_cast<QQuickWindow*>(pObject))
        return pWindow;
    if (auto* pItem = qobject_cast<QQuickItem*>(pObject))
        return pItem->window();
    const QVariant content = pObject->property("contentItem");
    auto* pContent = content.value<QQuickItem*>();
    return pContent ? pContent->window() : nullptr;
}

// A window or a popup is grabbed with the whole window it shows in; an item alone.
QImage grabOf(QObject* pObject)
{
    QQuickWindow* pWindow = windowOf(pObject);
    const QImage image = pWindow ? pWindow->grabWindow() : QImage();
    auto* pItem = qobject_cast<QQuickItem*>(pObject);
    if (!pItem || pItem == pWindow->contentItem() || image.isNull() || pWindow->width() <= 0)
        return image;
    const qreal scale = qreal(image.width()) / pWindow->width();
    const QRectF area = pItem->mapRectToScene(QRectF(0, 0, pItem->width(), pItem->height()));
    const QRect pixels = QRectF(area.topLeft() * scale, area.size() * scale)
                             .toAlignedRect()
                             .intersected(image.rect());
    return pixels.isEmpty() ? QImage() : image.copy(pixels);
}

// The delegate a list or grid view shows for row qstrRow, when it has one.
QObject* rowItem(QObject* pView, const QString& qstrRow)
{
    bool bNumber = false;
    const int nRow = qstrRow.toInt(&bNumber);
    QQuickItem* pRow = nullptr;
    if (!bNumber || !QMetaObject::invokeMethod(pView, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, pRow),
                                               Q_ARG(int, nRow)))
        return nullptr;
    return pRow;
}

QString restOf(const QStringList& words, int nFrom)
{
    return words.mid(nFrom).join(QLatin1Char(' '));
}

// Whether the object's property reads the text of a "VERB NAME PROPERTY VALUE..." step.
bool reads(const QObject* pObject, const QStringList& words)
{
    return pObject &&
           pObject->property(words.value(2).toUtf8().constData()).toString() == restOf(words, 3);
}

// Evaluates a JavaScript expression with the object as its scope, in the object's own QML
// context (so the ids and imports of its file are in reach). False with the error in
// qstrReason when it throws.
bool evaluate(QQmlApplicationEngine& engine, QObject* pObject, const QString& qstrExpression,
              QVariant& value, QString& qstrReason)
{
    QQmlContext* pContext = qmlContext(pObject);
    QQmlExpression expression(pContext ? pContext : engine.rootContext(), pObject,
                              qstrExpression);
    value = expression.evaluate();
    if (expression.hasError()) {
        qstrReason = expression.error().toString();
        return false;
    }
    if (value.canConvert<QJSValue>())
        value = value.value<QJSValue>().toVariant();
    return true;
}

} // namespace

void UiDriver::startIfAsked(QQmlApplicationEngine& engine, const QStringList& arguments)
{
    const QString qstrPath = qEnvironmentVariable(kStepsVariable);
    if (qstrPath.isEmpty() || !arguments.contains(QStringLiteral("--x")))
        return;
    auto* pDriver = new UiDriver(engine, readSteps(qstrPath));
    pDriver->setParent(&engine);
}

UiDriver::UiDriver(QQmlApplicationEngine& engine, QStringList steps,
                   std::function<void(const QString&)> report)
    : m_engine(engine), m_report(std::move(report)), m_steps(std::move(steps))
{
    if (!m_report) {
        m_report = [](const QString& qstrLine) {
            std::fprintf(stdout, "%s\n", qPrintable(qstrLine));
            std::fflush(stdout);
        };
    }
    watchFrames();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UiDriver::next);
    m_timer.start(0);
}

// Frames are watched from the start, so that a step late in the file still times what
// launch took to show its frame. A condition is read as each frame is prepared (GUI thread,
// before the scene is synchronised), so the frame stamped is one that holds what it read.
void UiDriver::watchFrames()
{
    for (const QString& qstrStep : m_steps) {
        const QStringList words = qstrStep.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.value(0) == QLatin1String("frametime"))
            m_frameMarks.insert(restOf(words, 1), {words, words.size() == 1});
    }
    auto* pWindow = qobject_cast<QQuickWindow*>(m_engine.rootObjects().value(0));
    if (m_frameMarks.isEmpty() || !pWindow)
        return;
    connect(pWindow, &QQuickWindow::afterAnimating, this, [this] {
        for (FrameMark& mark : m_frameMarks)
            if (!mark.bDue)
                mark.bDue = reads(find(mark.words.value(1)), mark.words);
    });
    connect(pWindow, &QQuickWindow::frameSwapped, this, [this] {
        for (FrameMark& mark : m_frameMarks)
            if (mark.bDue && mark.nShownMs == 0)
                mark.nShownMs = QDateTime::currentMSecsSinceEpoch();
    });
}

QObject* UiDriver::find(const QString& qstrName) const
{
    QList<QObject*> within = m_engine.rootObjects();
    QObject* pFound = nullptr;
    for (const QString& qstrPart : qstrName.split(QLatin1Char('/'))) {
        const int nAt = qstrPart.lastIndexOf(QLatin1Char('@'));
        QSet<QObject*> visited;
        pFound = nullptr;
        for (QObject* pRoot : within)
            if ((pFound = findIn(pRoot, nAt < 0 ? qstrPart : qstrPart.left(nAt), visited)))
                break;
        if (pFound && nAt >= 0)
            pFound = rowItem(pFound, qstrPart.mid(nAt + 1));
        if (!pFound)
            return nullptr;
        within = {pFound};
    }
    return pFound;
}

// qstrText is the detail of a passed step or the reason of a failed one.
void UiDriver::report(bool bOk, const QString& qstrText)
{
    QString qstrLine = (bOk ? QStringLiteral("ok: ") : QStringLiteral("FAIL: ")) + m_steps.at(m_nStep);
    if (!qstrText.isEmpty())
        qstrLine += bOk ? QLatin1Char(' ') + qstrText : QStringLiteral(" (%1)").arg(qstrText);
    m_report(qstrLine);
}

void UiDriver::next()
{
    if (m_nStep < 0 || m_nWaitedMs == 0)
        ++m_nStep;
    if (m_nStep >= m_steps.size())
        return;
    const QStringList words = m_steps.at(m_nStep).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString qstrReason;
    QString qstrDetail;
    if (!run(words, qstrReason, qstrDetail) && qstrReason.isEmpty()) {
        // A wait not yet met: look again shortly, within the bound.
        m_nWaitedMs += kPollMs;
        if (m_nWaitedMs < kWaitLimitMs) {
            m_timer.start(kPollMs);
            return;
        }
        qstrReason = m_qstrPending.isEmpty()
                         ? QStringLiteral("timed out")
                         : QStringLiteral("timed out; %1").arg(m_qstrPending);
    }
    m_qstrPending.clear();
    m_nWaitedMs = 0;
    report(qstrReason.isEmpty(), qstrReason.isEmpty() ? qstrDetail : qstrReason);
    if (words.value(0) != QLatin1String("sleep"))
        m_timer.start(0);
}

bool UiDriver::run(const QStringList& words, QString& qstrReason, QString& qstrDetail)
{
    const QString qstrVerb = words.value(0);
    if (qstrVerb == QLatin1String("frametime")) {
        const qint64 nShownMs = m_frameMarks.value(restOf(words, 1)).nShownMs;
        qstrDetail = QString::number(nShownMs);
        return nShownMs != 0;
    }
    if (qstrVerb == QLatin1String("sleep")) {
        m_timer.start(words.value(1).toInt());
        return true;
    }
    if (qstrVerb == QLatin1String("quit")) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }
    if (qstrVerb == QLatin1String("gate"))
        return QFileInfo(restOf(words, 1)).isFile();
    QObject* pObject = find(words.value(1));
    if (!pObject) {
        if (qstrVerb == QLatin1String("wait") || qstrVerb == QLatin1String("until"))
            return false;
        qstrReason = QStringLiteral("no object named \"%1\"").arg(words.value(1));
        return false;
    }
    auto* pItem = qobject_cast<QQuickItem*>(pObject);
    if (qstrVerb == QLatin1String("press")) {
        const bool bRight = words.value(2) == QLatin1String("right");
        if (words.size() > 3 || (words.size() == 3 && !bRight))
            qstrReason = QStringLiteral("only \"right\" may follow the name");
        else if (!press(pItem, bRight ? Qt::RightButton : Qt::LeftButton))
            qstrReason = QStringLiteral("not a shown item");
    } else if (qstrVerb == QLatin1String("key")) {
        // Shortcuts (Escape closing a popup) act only in the window holding the focus: the
        // key waits until its window has it.
        if (pItem && pItem->window() && QGuiApplication::focusWindow() != pItem->window()) {
            pItem->window()->requestActivate();
            m_qstrPending = QStringLiteral("the window did not get the focus");
            return false;
        }
        if (!typeKey(pItem, words.value(2)))
            qstrReason = QStringLiteral("not an item in a window, or an unknown key");
    } else if (qstrVerb == QLatin1String("set")) {
        if (!pObject->setProperty(words.value(2).toUtf8().constData(), restOf(words, 3)))
            qstrReason = QStringLiteral("property not written");
    } else if (qstrVerb == QLatin1String("call")) {
        if (!invoke(pObject, words.value(2).toUtf8(), words.mid(3)))
            qstrReason = QStringLiteral("no such method taking these arguments");
    } else if (qstrVerb == QLatin1String("wait")) {
        return reads(pObject, words);
    } else if (qstrVerb == QLatin1String("until")) {
        // A throwing expression is not met yet; a timeout names its last error.
        QVariant value;
        m_qstrPending.clear();
        return evaluate(m_engine, pObject, restOf(words, 2), value, m_qstrPending) &&
               value.toBool();
    } else if (qstrVerb == QLatin1String("eval")) {
        QVariant value;
        if (evaluate(m_engine, pObject, restOf(words, 2), value, qstrReason))
            qstrDetail = value.toString();
    } else if (qstrVerb == QLatin1String("grab")) {
        const QImage image = grabOf(pObject);
        if (image.isNull())
            qstrReason = QStringLiteral("nothing grabbed");
        else if (!image.save(words.value(2)))
            qstrReason = QStringLiteral("picture not written");
    } else {
        qstrReason = QStringLiteral("unknown step");
    }
    return qstrReason.isEmpty();
}

bool UiDriver::press(QQuickItem* pItem, Qt::MouseButton button)
{
    if (!pItem || !pItem->window() || !pItem->isVisible())
        return false;
    const QPointF point = pItem->mapToScene(QPointF(pItem->width() / 2, pItem->height() / 2));
    const QPointF global = pItem->window()->mapToGlobal(point.toPoint());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, point, global, button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pItem->window(), &event);
    }
    return true;
}

bool UiDriver::typeKey(QQuickItem* pItem, const QString& qstrKey)
{
    const QKeySequence sequence = QKeySequence::fromString(qstrKey);
    if (!pItem || !pItem->window() || sequence.isEmpty())
        return false;
    pItem->forceActiveFocus();
    const int nKey = sequence[0] & ~Qt::KeyboardModifierMask;
    const QString qstrText = qstrKey.size() == 1 ? qstrKey : QString();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        qt_handleKeyEvent(pItem->window(), type, nKey, Qt::NoModifier, qstrText);
    return true;
}
