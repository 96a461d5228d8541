#include "DataManager/Paint/PaintItem.h"

#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqml.h>

// The painted icon as the screen shows it, read back from a grab of its window.
class tst_PaintItem : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QQuickView m_view;
    PaintItem* m_pItem = nullptr;

    QString picture(const char* szName, const QImage& image)
    {
        const QString qstrPath = m_dir.filePath(szName);
        image.save(qstrPath, "PNG");
        return qstrPath;
    }

    // Window grabs come back empty on the offscreen platform; item grabs render the scene.
    QImage grab()
    {
        const QSharedPointer<QQuickItemGrabResult> result = m_view.rootObject()->grabToImage();
        if (!result)
            return QImage();
        QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
        ready.wait(3000);
        return result->image().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase()
    {
        qmlRegisterType<PaintItem>("PaintItemModule", 1, 0, "PaintItem");
        const QString qstrQml = m_dir.filePath("scene.qml");
        QFile qml(qstrQml);
        QVERIFY(qml.open(QIODevice::WriteOnly));
        qml.write("import QtQuick 2.15\nimport PaintItemModule 1.0\n"
                  "Rectangle { width: 85; height: 85; color: \"white\"\n"
                  "  PaintItem { objectName: \"paint\"; anchors.fill: parent } }\n");
        qml.close();
        m_view.setSource(QUrl::fromLocalFile(qstrQml));
        m_pItem = m_view.rootObject()->findChild<PaintItem*>("paint");
        QVERIFY(m_pItem);
        m_view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_view));
    }

    void roundedPictureHasClearCorners()
    {
        QImage red(85, 85, QImage::Format_RGB32);
        red.fill(QColor(220, 0, 0));
        m_pItem->cornerImage(picture("red.png", red));
        const QImage shown = grab();
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(83, 83), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(42, 42), QColor(220, 0, 0));
    }

    // Green only in the centred square of a 170 x 85 picture.
    void wideThumbnailIsItsCentredSquare()
    {
        QImage wide(170, 85, QImage::Format_RGB32);
        wide.fill(QColor(0, 0, 220));
        for (int x = 42; x < 127; ++x)
            for (int y = 0; y < 85; ++y)
                wide.setPixelColor(x, y, QColor(0, 200, 0));
        m_pItem->readerImage(picture("wide.png", wide));
        m_pItem->readerImage(m_dir.filePath("missing.png")); // leaves it as it was
        m_pItem->readerImage(picture("empty.png", QImage()));
        const QImage shown = grab();
        for (const QPoint& point : {QPoint(0, 0), QPoint(84, 0), QPoint(42, 42), QPoint(84, 84)})
            QCOMPARE(shown.pixelColor(point), QColor(0, 200, 0));
    }
};

QTEST_MAIN(tst_PaintItem)
#include "tst_PaintItem.moc"
