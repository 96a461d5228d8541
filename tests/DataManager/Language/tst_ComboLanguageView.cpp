#include "DataManager/Language/LanguageManager.h"
#include "PublicModule/HttpCurl/registerBase/RegisterBase.h"

#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtQml>
#include <QtTest>

// The language box with the program's real language list and flags, opened. With
// QEL_SHOT_PATH set the opened box is also saved as a picture there.
class tst_ComboLanguageView : public QObject
{
    Q_OBJECT

private:
    static QImage grab(QQuickItem* item)
    {
        const QSharedPointer<QQuickItemGrabResult> result = item->grabToImage();
        if (!result)
            return QImage();
        QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
        ready.wait(3000);
        return result->image().convertToFormat(QImage::Format_RGB32);
    }

    static bool hasColour(const QImage& image, const QRect& area, QRgb colour)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qAbs(qRed(image.pixel(x, y)) - qRed(colour)) < 12 &&
                    qAbs(qGreen(image.pixel(x, y)) - qGreen(colour)) < 12 &&
                    qAbs(qBlue(image.pixel(x, y)) - qBlue(colour)) < 12)
                    return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        const QDir built(QStringLiteral(QEL_BIN_DIR) + "/translation");
        QDir().mkpath(LanguageManager::translationDir());
        for (const QString& file : built.entryList(QDir::Files)) {
            QFile::remove(LanguageManager::translationDir() + file);
            QVERIFY(QFile::copy(built.filePath(file), LanguageManager::translationDir() + file));
        }
        qmlRegisterSingletonType<LanguageManager>("Language.Param", 1, 0, "LanguageManager",
                                                  virtualLanguageManager);
    }

    void openedBoxShowsEveryLanguageWithItsFlag()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            R"(
            import QtQuick 2.15
            import QtQuick.Window 2.15
            import Language.Param 1.0
            import "ComboBox"
            Window {
                width: 260; height: 330; visible: true; color: "#f4f6fb"
                property real dp: 1
                FontLoader { id: openSans; name: "DejaVu Sans" }
                QtObject {
                    id: curlRecv
                    signal signal_SetUiData(int nType, string qstrValue, int nValue)
                }
                ComboLanguage {
                    objectName: "combo"
                    x: 20; y: 20; width: 200; height: 40
                    Component.onCompleted: {
                        comboBoxModel.model = LanguageManager.getLanguageList()
                        defaultText = "English"
                    }
                }
            })",
            QUrl::fromLocalFile(QStringLiteral(QEL_SOURCE_DIR) + "/src/qml/LanguageView.qml"));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));

        auto* combo = root->findChild<QObject*>("combo");
        auto* comboBox = combo->property("comboBoxModel").value<QObject*>();
        auto* popup = comboBox->property("popup").value<QObject*>();
        QCOMPARE(comboBox->property("count").toInt(), 8);
        QMetaObject::invokeMethod(popup, "open");
        QTRY_VERIFY(popup->property("opened").toBool());
        QCOMPARE(popup->property("height").toReal(), 8 * 29 + 2.0);
        QCOMPARE(popup->property("y").toReal(), 40.0);

        QTest::qWait(200);
        const QImage image = grab(window->contentItem());
        const QString qstrShot = qEnvironmentVariable("QEL_SHOT_PATH");
        if (!qstrShot.isEmpty())
            QVERIFY(image.save(qstrShot));

        // Row i of the list starts at 20 + 40 + 1 + 29 i; its flag sits 10 from the left.
        auto flagArea = [](int nRow) { return QRect(30, 61 + 29 * nRow + 4, 12, 20); };
        QVERIFY(hasColour(image, flagArea(2), qRgb(0xbc, 0x00, 0x2d))); // Japanese
        QVERIFY(hasColour(image, flagArea(5), qRgb(0x00, 0x39, 0xa6))); // Russian
        QVERIFY(hasColour(image, flagArea(6), qRgb(0xff, 0xce, 0x00))); // German
        QVERIFY(!hasColour(image, flagArea(6), qRgb(0x00, 0x39, 0xa6)));
    }
};

QTEST_MAIN(tst_ComboLanguageView)
#include "tst_ComboLanguageView.moc"
