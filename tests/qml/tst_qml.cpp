#include "AppCustom.h"

#include <QObject>
#include <QtQuickTest>

// Registers the native types exactly as the program does before it loads main.qml.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable() { CAppCustom().RegisterInit(); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml, QmlTestSetup)

#include "tst_qml.moc"
