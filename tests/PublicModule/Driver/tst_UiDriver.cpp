#include "PublicModule/Driver/UiDriver.h"

#include <QQmlApplicationEngine>
#include <QTest>

namespace {

// A window with a button that counts, a field, and a popup whose content has a name.
const char* const kScene = R"(
import QtQuick 2.15
import QtQuick.Controls 2.15
ApplicationWindow {
    objectName: "window"
    width: 300; height: 200; visible: true
    property int count: 0
    function bump(n) { count += n }
    signal add(int n, string why)
    onAdd: count += n
    Button { objectName: "button"; width: 100; height: 40; onClicked: window.count += 1 }
    TextField { objectName: "field"; y: 60; width: 100; height: 40 }
    Popup { id: popup; Component.onCompleted: open(); Label { objectName: "inPopup"; text: "x" } }
    id: window
}
)";

} // namespace

class tst_UiDriver : public QObject
{
    Q_OBJECT

private slots:
    // One line per step, in order; a failed step does not stop the ones after it. (Grabs
    // need a real display: scripts/screenshots runs them under Xvfb.)
    void steps()
    {
        QQmlApplicationEngine engine;
        engine.loadData(kScene);
        QVERIFY(!engine.rootObjects().isEmpty());
        const QStringList steps{
            "press button",
            "wait window count 1",
            "call window bump 2",
            "wait window count 3",
            "call window add 4 because",
            "wait window count 7",
            "set field text hello world",
            "key field a",
            "wait field text hello worlda",
            "wait inPopup text x",
            "press nobody",
            "frametime",
        };
        QStringList lines;
        UiDriver driver(engine, steps, [&lines](const QString& qstrLine) { lines << qstrLine; });
        QTRY_COMPARE_WITH_TIMEOUT(lines.size(), steps.size(), 10000);
        QStringList expected;
        for (const QString& qstrStep : steps)
            expected << "ok: " + qstrStep;
        expected[10] = "FAIL: press nobody (no object named \"nobody\")";
        QCOMPARE(lines.mid(0, 11), expected.mid(0, 11));
        QVERIFY(lines.last().startsWith("ok: frametime 1"));
    }
};

QTEST_MAIN(tst_UiDriver)
#include "tst_UiDriver.moc"
