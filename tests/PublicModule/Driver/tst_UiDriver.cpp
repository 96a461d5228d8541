#include "PublicModule/Driver/UiDriver.h"

#include <QQmlApplicationEngine>
#include <QTemporaryFile>
#include <QTest>

namespace {

// A window with a button that counts, a field, an area for the right button, two labels of
// one name (one inside "box"), a list, a popup (closed on Escape) whose content has a name,
// and a mark shown 300 ms after the first frame.
const char* const kScene = R"(
import QtQuick 2.15
import QtQuick.Controls 2.15
ApplicationWindow {
    objectName: "window"
    width: 300; height: 300; visible: true
    property int count: 0
    property int rights: 0
    property bool marked: false
    Timer { id: markTimer; interval: 300; onTriggered: window.marked = true }
    onFrameSwapped: markTimer.running = true
    Rectangle { x: 200; width: 20; height: 20; visible: window.marked }
    function bump(n) { count += n }
    signal add(int n, string why)
    onAdd: count += n
    Text { objectName: "label"; text: "outer" }
    Item { objectName: "box"; Text { objectName: "label"; text: "inner" } }
    ListView {
        objectName: "rows"; y: 170; width: 100; height: 90; model: 3
        delegate: Text { height: 30; text: "row " + index }
    }
    Button { id: button; objectName: "button"; width: 100; height: 40; onClicked: window.count += 1 }
    TextField { objectName: "field"; y: 60; width: 100; height: 40 }
    MouseArea {
        objectName: "rightOnly"; y: 120; width: 100; height: 40
        acceptedButtons: Qt.RightButton
        onClicked: window.rights += 1
    }
    Popup {
        id: popup; objectName: "popup"; Component.onCompleted: open()
        Label { objectName: "inPopup"; text: "x" }
    }
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
        QTemporaryFile gateFile;
        QVERIFY(gateFile.open());
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
            "frametime window marked true",
            "until window count > 6 && button.width === 100",
            "eval window count * 2 + 'x'",
            "eval window noSuchName.x",
            "gate " + gateFile.fileName(),
            "press rightOnly right",
            "wait window rights 1",
            "wait label text outer",
            "wait box/label text inner",
            "wait rows@1 text row 1",
            "press rows@7",
            "call popup open",
            "wait popup opened true",
            "key field Escape",
            "wait popup opened false",
        };
        QStringList lines;
        UiDriver driver(engine, steps, [&lines](const QString& qstrLine) { lines << qstrLine; });
        QTRY_COMPARE_WITH_TIMEOUT(lines.size(), steps.size(), 10000);
        QStringList expected;
        for (const QString& qstrStep : steps)
            expected << "ok: " + qstrStep;
        expected[10] = "FAIL: press nobody (no object named \"nobody\")";
        QCOMPARE(lines.mid(0, 11), expected.mid(0, 11));
        QVERIFY(lines.at(11).startsWith("ok: frametime 1"));
        // The frame that shows the mark, not the first one.
        const QString qstrMarked = "ok: frametime window marked true ";
        QVERIFY2(lines.at(12).startsWith(qstrMarked), qPrintable(lines.at(12)));
        QVERIFY(lines.at(12).mid(qstrMarked.size()).toLongLong() >=
                lines.at(11).mid(14).toLongLong() + 250);
        QCOMPARE(lines.at(13), expected.at(13));
        QCOMPARE(lines.at(14), expected.at(14) + " 14x");
        QVERIFY(lines.at(15).startsWith("FAIL: eval window noSuchName.x ("));
        QVERIFY(lines.at(15).contains("ReferenceError: noSuchName is not defined"));
        expected[22] = "FAIL: press rows@7 (no object named \"rows@7\")";
        QCOMPARE(lines.mid(16), expected.mid(16));
    }
};

QTEST_MAIN(tst_UiDriver)
#include "tst_UiDriver.moc"
