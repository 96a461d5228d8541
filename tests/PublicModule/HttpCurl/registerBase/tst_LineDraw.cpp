#include "PublicModule/HttpCurl/registerBase/LineDraw.h"

#include <QImage>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The line is rendered by a real (software) scene and read back from the window's pixels.
class tst_LineDraw : public QObject
{
    Q_OBJECT

private:
    struct Coverage
    {
        int lit = 0;  // pixels of the colour along the row
        int runs = 0; // separate stretches of them
    };

    static bool near(QRgb pixel, const QColor& color)
    {
        return qAbs(qRed(pixel) - color.red()) < 40 && qAbs(qGreen(pixel) - color.green()) < 40 &&
               qAbs(qBlue(pixel) - color.blue()) < 40;
    }

    static Coverage rowCoverage(const QImage& image, int y, const QColor& color)
    {
        Coverage coverage;
        bool bInRun = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool bLit = near(image.pixel(x, y), color);
            coverage.lit += bLit;
            coverage.runs += bLit && !bInRun;
            bInRun = bLit;
        }
        return coverage;
    }

    static int columnThickness(const QImage& image, int x, const QColor& color)
    {
        int nCount = 0;
        for (int y = 0; y < image.height(); ++y)
            nCount += near(image.pixel(x, y), color);
        return nCount;
    }

    std::unique_ptr<QQuickWindow> m_window;
    LineDraw* m_line = nullptr;

    // Window grabs come back empty on the offscreen platform; item grabs render the scene.
    QImage grab()
    {
        const QSharedPointer<QQuickItemGrabResult> result = m_window->contentItem()->grabToImage();
        if (!result)
            return QImage();
        QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
        ready.wait(2000);
        return result->image().convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QQuickWindow>();
        m_window->setColor(Qt::white);
        m_window->resize(200, 60);
        m_line = new LineDraw(m_window->contentItem());
        m_window->contentItem()->setSize(QSizeF(200, 60));
        m_line->setSize(QSizeF(200, 60));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void defaultsAndNothingBeforeTheFirstCall()
    {
        QCOMPARE(grab().size(), QSize(200, 60));
        QCOMPARE(m_line->readColor(), QColor("red"));
        QCOMPARE(m_line->readLineWidth(), 1);
        QCOMPARE(rowCoverage(grab(), 20, Qt::red).lit, 0);
    }

    void solidDashAndDotLinesOfTheGivenColourAndWidth()
    {
        const QColor yellow("yellow");
        m_line->Color(yellow);
        m_line->LineWidth(2);

        m_line->drawLines(30, 20, 150, 20);
        const QImage solid = grab();
        const Coverage solidRow = rowCoverage(solid, 20, yellow);
        QVERIFY2(qAbs(solidRow.lit - 121) <= 2, qPrintable(QString::number(solidRow.lit)));
        QCOMPARE(solidRow.runs, 1);
        QVERIFY(!near(solid.pixel(29 - 2, 20), yellow));
        QVERIFY(!near(solid.pixel(150 + 3, 20), yellow));
        QCOMPARE(columnThickness(solid, 90, yellow), 2);

        m_line->drawLineDash(30, 20, 150, 20);
        const Coverage dashRow = rowCoverage(grab(), 20, yellow);
        m_line->drawDotLine(30, 20, 150, 20);
        const QImage dotted = grab();
        const Coverage dotRow = rowCoverage(dotted, 20, yellow);

        // Qt's patterns (dash 4 on / 2 off, dot 1 on / 2 off, in pen widths), each stretch
        // lengthened by the square cap: about 10 dashes of 10 pixels, 20 dots of 4.
        QVERIFY2(dashRow.runs >= 9 && dashRow.runs <= 12,
                 qPrintable(QString::number(dashRow.runs)));
        QVERIFY2(dotRow.runs >= 18 && dotRow.runs <= 22, qPrintable(QString::number(dotRow.runs)));
        QVERIFY(dashRow.lit / dashRow.runs >= 8);
        QVERIFY(dotRow.lit / dotRow.runs <= 5);
        QCOMPARE(columnThickness(dotted, 30, yellow), 2);
    }

    void newColourShowsOnlyAtTheNextRepaint()
    {
        m_line->drawLines(10, 30, 190, 30);
        QVERIFY(rowCoverage(grab(), 30, Qt::red).lit > 170);

        m_line->Color(Qt::blue);
        const QImage stale = grab();
        QVERIFY(rowCoverage(stale, 30, Qt::red).lit > 170);
        QCOMPARE(rowCoverage(stale, 30, Qt::blue).lit, 0);

        m_line->drawLines(10, 30, 190, 30);
        QVERIFY(rowCoverage(grab(), 30, Qt::blue).lit > 170);
    }

    void aNewCallReplacesTheLine()
    {
        m_line->drawLines(10, 10, 190, 10);
        m_line->drawLines(10, 50, 190, 50);
        const QImage image = grab();
        QCOMPARE(rowCoverage(image, 10, Qt::red).lit, 0);
        QVERIFY(rowCoverage(image, 50, Qt::red).lit > 170);
    }

    void zeroSizedItemPaintsNothing()
    {
        m_line->setSize(QSizeF(0, 60));
        m_line->drawLines(10, 30, 190, 30);
        QCOMPARE(rowCoverage(grab(), 30, Qt::red).lit, 0);
    }
};

QTEST_MAIN(tst_LineDraw)
#include "tst_LineDraw.moc"
